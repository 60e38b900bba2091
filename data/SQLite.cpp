#include "data/SQLite.h"

#include <sqlite3.h>

#include <ctime>

namespace {

// The local date and time as the error log writes it: short date, long time.
std::string LogTimestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const size_t length = std::strftime(text, sizeof text, "%x %X", &local);
    return std::string(text, length);
}

// Failures of the file under the database rather than of the statement.
bool StorageFailure(int result)
{
    switch (result & 0xFF) {
    case SQLITE_FULL: case SQLITE_IOERR: case SQLITE_CORRUPT: case SQLITE_NOTADB: case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return true;
    default:
        return false;
    }
}

} // namespace

bool EDatabaseError::DiskFull() const
{
    return (Code & 0xFF) == SQLITE_FULL;
}

TSQLite3::TSQLite3() : Version(sqlite3_libversion()) {}

TSQLite3::~TSQLite3()
{
    ClearRows();
    // Owners close first; a connection left open is closed rather than leaked.
    if (Handle)
        sqlite3_close(Handle);
}

int TSQLite3::Open(const std::string& fileName)
{
    return OpenWith(fileName, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

int TSQLite3::OpenReadOnly(const std::string& fileName)
{
    return OpenWith(fileName, SQLITE_OPEN_READONLY);
}

int TSQLite3::OpenWith(const std::string& fileName, int flags)
{
    if (Handle) {
        sqlite3_close(Handle);
        Handle = nullptr;
    }
    FileName = fileName;
    const int result = sqlite3_open_v2(fileName.c_str(), &Handle, flags, nullptr);
    LastMessage = sqlite3_errmsg(Handle);
    return result;
}

int TSQLite3::Execute(const std::string& statement, bool rowsWanted)
{
    int result;
    if (!Handle) {
        LastMessage = "No database is open";
        result = 1;
    } else {
        char* errorText = nullptr;
        if (rowsWanted) {
            ClearRows();
            result = sqlite3_exec(Handle, statement.c_str(), &TSQLite3::RowCallback, this, &errorText);
        } else {
            result = sqlite3_exec(Handle, statement.c_str(), nullptr, nullptr, &errorText);
        }
        sqlite3_free(errorText);
        LastMessage = sqlite3_errmsg(Handle);
    }
    // Dropping tables that may not exist is routine; those failures stay out of the log.
    if (LogErrors && result != 0 && LastMessage.find("no such table") == std::string::npos)
        ErrorLog.push_back(LogTimestamp() + "\t" + statement + " : " + LastMessage);
    RaiseIfStorageFailure(result);
    return result;
}

void TSQLite3::RaiseIfStorageFailure(int result) const
{
    if (RaiseStorageFailures && StorageFailure(result))
        throw EDatabaseError("The session database " + FileName + " cannot be used: " + LastMessage + ".", result);
}

void TSQLite3::ExecuteChecked(const std::string& statement)
{
    if (const int result = Execute(statement); result != 0)
        throw EDatabaseError(LastMessage, result);
}

int TSQLite3::RowCallback(void* context, int columnCount, char** values, char** names)
{
    auto* self = static_cast<TSQLite3*>(context);
    if (self->ColumnNames.empty())
        self->ColumnNames.assign(names, names + columnCount);
    auto row = std::make_unique<TStringHash>();
    // A later column of the same name overwrites the earlier one.
    for (int column = 0; column < columnCount; ++column)
        row->SetItem(names[column], values[column] ? values[column] : "");
    self->Rows.push_back(std::move(row));
    return 0;
}

int64_t TSQLite3::LastInsertRowId()
{
    if (!Handle) {
        LastMessage = "No database is open";
        return 0;
    }
    return sqlite3_last_insert_rowid(Handle);
}

int TSQLite3::RunQuiet(const char* statement)
{
    if (!Handle)
        return 0;
    char* errorText = nullptr;
    const int result = sqlite3_exec(Handle, statement, nullptr, nullptr, &errorText);
    sqlite3_free(errorText);
    if (result != 0)
        LastMessage = sqlite3_errmsg(Handle);
    return result;
}

// Saving a creature saves its containers inside its own transaction: an inner
// pair joins the outer one as a savepoint, so the whole save commits or none of it does.
void TSQLite3::BeginTransaction()
{
    if (TransactionDepth++ == 0)
        RunQuiet("begin");
    else
        RunQuiet(("savepoint nested" + std::to_string(TransactionDepth)).c_str());
}

int TSQLite3::CommitTransaction()
{
    if (TransactionDepth == 0)
        return RunQuiet("commit");
    int result;
    if (TransactionDepth > 1) {
        result = RunQuiet(("release nested" + std::to_string(TransactionDepth)).c_str());
    } else {
        result = RunQuiet("commit");
        // A commit that could not write leaves nothing half stored and no transaction open.
        if (result != 0) {
            const std::string message = LastMessage;
            RunQuiet("rollback");
            LastMessage = message;
        }
    }
    --TransactionDepth;
    RaiseIfStorageFailure(result);
    return result;
}

void TSQLite3::RollbackTransaction()
{
    if (TransactionDepth == 0)
        return;
    if (TransactionDepth > 1) {
        const std::string name = "nested" + std::to_string(TransactionDepth);
        RunQuiet(("rollback to " + name).c_str());
        RunQuiet(("release " + name).c_str());
    } else {
        RunQuiet("rollback");
    }
    --TransactionDepth;
}

void TSQLite3::ClearRows()
{
    Rows.clear();
    ColumnNames.clear();
}

TRecordSet TSQLite3::TakeRows()
{
    TRecordSet rows = std::move(Rows);
    Rows.clear();
    return rows;
}

TRecordSet TSQLite3::Query(const std::string& statement)
{
    Execute(statement, true);
    return TakeRows();
}

int TSQLite3::Close()
{
    int result = 0;
    if (Handle) {
        result = sqlite3_close(Handle);
        // A closed connection must not be reached again through a stale handle.
        Handle = nullptr;
    }
    TransactionDepth = 0;
    LastMessage = "Database Closed";
    return result;
}

std::string SqlQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

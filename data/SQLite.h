// The engine's only door to SQLite: runs SQL text, turns result rows into
// string-keyed rows, and keeps a log of failed statements. It never raises on
// an SQL error; callers get SQLite's result code.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/Hash.h"

struct sqlite3;

// Result rows in the order SQLite returns them; each maps column name to text.
using TRecordSet = std::vector<std::unique_ptr<TStringHash>>;

// A statement that failed where failing cannot be passed over: SQLite's message
// and result code.
class EDatabaseError : public std::runtime_error {
public:
    EDatabaseError(const std::string& message, int code) : std::runtime_error(message), Code(code) {}
    // The disk (or the database's size limit) is full.
    bool DiskFull() const;

    const int Code;
};

class TSQLite3 {
public:
    TSQLite3();
    ~TSQLite3();
    TSQLite3(const TSQLite3&) = delete;
    TSQLite3& operator=(const TSQLite3&) = delete;

    // Opens (creating if missing) the file; returns SQLite's result code.
    int Open(const std::string& fileName);
    // Opens an existing file for reading only: nothing, not even a left-over
    // journal, changes it.
    int OpenReadOnly(const std::string& fileName);
    // Runs the statement; with rowsWanted the previous rows are freed first and
    // the result rows collected, otherwise the previous rows stay.
    int Execute(const std::string& statement, bool rowsWanted = false);
    // Runs the statement and raises EDatabaseError when it fails.
    void ExecuteChecked(const std::string& statement);
    int64_t LastInsertRowId();
    // An inner pair nests inside the outer transaction as a savepoint, so an inner
    // rollback undoes only its own part and the outer work may still commit.
    void BeginTransaction();
    // SQLite's result code; a failed outermost commit is rolled back.
    int CommitTransaction();
    void RollbackTransaction();
    int Depth() const { return TransactionDepth; }
    void ClearRows();
    // Takes the rows over, for a caller that runs further queries while it reads them.
    TRecordSet TakeRows();
    // Runs a query and hands its rows over.
    TRecordSet Query(const std::string& statement);
    int Close();

    bool IsOpen() const { return Handle != nullptr; }

    bool LogErrors = false;
    // A full disk, a failed read or write or a damaged file raises EDatabaseError
    // from Execute: a session write that did not happen must not pass unseen.
    bool RaiseStorageFailures = false;
    std::vector<std::string> ErrorLog;
    std::string LastMessage;
    TRecordSet Rows;
    std::string Version;
    std::vector<std::string> ColumnNames;

private:
    int OpenWith(const std::string& fileName, int flags);
    void RaiseIfStorageFailure(int result) const;
    static int RowCallback(void* context, int columnCount, char** values, char** names);
    // Transaction statements stay out of the log; a failure's message is kept.
    int RunQuiet(const char* statement);

    sqlite3* Handle = nullptr;
    std::string FileName;
    int TransactionDepth = 0;
};

// Begins a transaction and rolls it back unless Commit was called, so a load or
// save left by an exception leaves the database as it was.
class TTransaction {
public:
    explicit TTransaction(TSQLite3& db) : Db(db) { Db.BeginTransaction(); }
    ~TTransaction()
    {
        if (!Done)
            Db.RollbackTransaction();
    }
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

    // Raises EDatabaseError when the work could not be stored (a full disk shows
    // up at the commit); it is rolled back then.
    void Commit()
    {
        Done = true;
        if (const int result = Db.CommitTransaction(); result != 0)
            throw EDatabaseError(Db.LastMessage, result);
    }

private:
    TSQLite3& Db;
    bool Done = false;
};

// An SQL string literal: single-quoted, embedded quotes doubled.
std::string SqlQuote(const std::string& text);

#include "tools/bench/PlainConversion.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

#include "data/SQLite.h"
#include "data/SessionSchema.h"

namespace fs = std::filesystem;

namespace {

// Where traced statements go while a conversion is recorded.
std::vector<std::string>* Recording = nullptr;

int TraceStatement(unsigned, void*, void* statement, void*)
{
    if (Recording)
        Recording->push_back(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    return 0;
}

// Runs on every connection opened; the engine's connection is private to it.
int TraceNewConnection(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &TraceStatement, nullptr);
    return SQLITE_OK;
}

} // namespace

std::vector<std::string> RecordConversion(const std::string& gameFolder)
{
    const fs::path game(gameFolder);
    const fs::path copy = game / "recorded.db";
    fs::copy_file(game / "data.db", copy, fs::copy_options::overwrite_existing);
    std::vector<std::string> statements;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&TraceNewConnection));
    {
        TSQLite3 db;
        db.Open(copy.string());
        Recording = &statements;
        ConvertToSessionDatabase(db);
        Recording = nullptr;
    }
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&TraceNewConnection));
    fs::remove(copy);
    return statements;
}

void RunPlainConversion(const std::string& gameFolder, const std::string& target,
                        const std::vector<std::string>& statements)
{
    fs::copy_file(fs::path(gameFolder) / "data.db", target, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    if (sqlite3_open(target.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error(target + " cannot be opened");
    }
    for (const std::string& statement : statements)
        sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

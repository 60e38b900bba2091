#include "tools/bench/PlainConversion.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Where traced statements go while work is recorded.
std::vector<std::string>* Recording = nullptr;

int TraceStatement(unsigned, void*, void* statement, void*)
{
    if (Recording)
        Recording->push_back(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    return 0;
}

// Runs on every connection opened; the engine's connections are private to it.
int TraceNewConnection(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &TraceStatement, nullptr);
    return SQLITE_OK;
}

} // namespace

std::vector<std::string> RecordStatements(const std::function<void()>& work)
{
    std::vector<std::string> statements;
    const auto entry = reinterpret_cast<void (*)()>(&TraceNewConnection);
    sqlite3_auto_extension(entry);
    Recording = &statements;
    work();
    Recording = nullptr;
    sqlite3_cancel_auto_extension(entry);
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

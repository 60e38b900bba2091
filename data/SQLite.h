// The engine's only door to SQLite: runs SQL text, turns result rows into
// string-keyed rows, and keeps a log of failed statements. It never raises on
// an SQL error; callers get SQLite's result code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/Hash.h"

struct sqlite3;

// Result rows in the order SQLite returns them; each maps column name to text.
using TRecordSet = std::vector<std::unique_ptr<TStringHash>>;

class TSQLite3 {
public:
    TSQLite3();
    ~TSQLite3();
    TSQLite3(const TSQLite3&) = delete;
    TSQLite3& operator=(const TSQLite3&) = delete;

    // Opens (creating if missing) the file; returns SQLite's result code.
    int Open(const std::string& fileName);
    // Runs the statement; with rowsWanted the previous rows are freed first and
    // the result rows collected, otherwise the previous rows stay.
    int Execute(const std::string& statement, bool rowsWanted = false);
    int64_t LastInsertRowId();
    // An inner pair nests inside the outer transaction as a savepoint, so an inner
    // rollback undoes only its own part and the outer work may still commit.
    void BeginTransaction();
    void CommitTransaction();
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
    std::vector<std::string> ErrorLog;
    std::string LastMessage;
    TRecordSet Rows;
    std::string Version;
    std::vector<std::string> ColumnNames;

private:
    static int RowCallback(void* context, int columnCount, char** values, char** names);
    void RunQuiet(const char* statement);

    sqlite3* Handle = nullptr;
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

    void Commit()
    {
        Done = true;
        Db.CommitTransaction();
    }

private:
    TSQLite3& Db;
    bool Done = false;
};

// An SQL string literal: single-quoted, embedded quotes doubled.
std::string SqlQuote(const std::string& text);

// Splits an SQL content file into its statements, remembering where each starts,
// so that a failing statement can be reported by file and line.
#pragma once

#include <string>
#include <vector>

struct TSqlStatement {
    int Line = 0;
    std::string Text;
};

// Statements end at ";" outside quotes and "--" comments; blank remainders are dropped.
std::vector<TSqlStatement> SplitSqlStatements(const std::string& text);

#include "SqlStatements.h"

#include "data/Convert.h"

std::vector<TSqlStatement> SplitSqlStatements(const std::string& text)
{
    std::vector<TSqlStatement> statements;
    TSqlStatement current;
    int line = 1;
    char quote = 0;
    bool comment = false;
    for (size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '\n') {
            ++line;
            comment = false;
        }
        if (comment)
            continue;
        if (!quote && c == '-' && index + 1 < text.size() && text[index + 1] == '-') {
            comment = true;
            continue;
        }
        if (current.Text.empty() && static_cast<unsigned char>(c) <= ' ')
            continue;
        if (current.Text.empty())
            current.Line = line;
        current.Text += c;
        if (quote) {
            if (c == quote)
                quote = 0;  // a doubled quote closes and reopens: still right
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            statements.push_back(current);
            current = TSqlStatement{};
        }
    }
    if (!Trim(current.Text).empty())
        statements.push_back(current);
    return statements;
}

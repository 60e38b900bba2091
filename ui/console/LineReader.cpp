#include "ui/console/LineReader.h"

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <editline/readline.h>

void PrepareLineEditing()
{
    // Only the character set: numbers and messages stay as the engine writes them.
    const char* chosen = std::setlocale(LC_CTYPE, "");
    // "C" and "POSIX" say nothing about the terminal; today's terminals speak UTF-8.
    if (!chosen || std::strcmp(chosen, "C") == 0 || std::strcmp(chosen, "POSIX") == 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

std::optional<std::string> ReadPlayerLine(const std::string& prompt)
{
    if (!isatty(STDIN_FILENO)) {
        std::cout << prompt << std::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        return line;
    }
    char* typed = readline(prompt.c_str());
    if (!typed)
        return std::nullopt;
    std::string line(typed);
    std::free(typed);
    if (!line.empty())
        add_history(line.c_str());
    return line;
}

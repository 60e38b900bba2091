#include "ui/console/LineReader.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include <editline/readline.h>

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

#include "session/NamedLines.h"

bool IsNamed(const std::string& line, const std::string& name)
{
    return line.size() > name.size() && line[name.size()] == '=' && line.compare(0, name.size(), name) == 0;
}

bool HasName(const std::vector<std::string>& lines, const std::string& name)
{
    for (const std::string& line : lines)
        if (IsNamed(line, name))
            return true;
    return false;
}

std::string NameOf(const std::string& line)
{
    return line.substr(0, line.find('='));
}

std::string ValueOf(const std::string& line)
{
    const size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

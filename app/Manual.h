// The player's manual: HTML pages installed in the program folder.
#pragma once

#include <filesystem>
#include <string>

inline std::string ManualFile(const std::string& appDir)
{
    return (std::filesystem::path(appDir) / "doc" / "index.html").string();
}

// The command line: vellumora [--appdir DIR] [--config DIR] [--script FILE]
// [--transcript FILE] [--seed N] [--help] [--version], as both programs read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct TProgramOptions {
    std::string AppDir;
    std::string Config;
    std::string Script;
    std::string Transcript;
    std::optional<uint64_t> Seed;
    bool Help = false;
    bool Version = false;
};

// nullopt for an unknown option, an operand or an option without its value.
// A value follows its option as the next argument or after '=' (--seed=7).
std::optional<TProgramOptions> ParseProgramOptions(int argc, const char* const* argv);

// What --help prints: the usage line, what the program does and every option.
std::string ProgramHelp(const std::string& program, const std::string& purpose);
// What --version prints: "program version" and a copyright line.
std::string ProgramVersion(const std::string& program);
// The short usage line and the hint that follow a mistake, for stderr.
std::string ProgramUsageError(const std::string& program);

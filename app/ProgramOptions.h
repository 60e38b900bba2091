// The command line: vellumora [--appdir DIR] [--config DIR] [--script FILE]
// [--transcript FILE] [--seed N], as the console program reads it.
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
};

// nullopt for an unknown option or one without its value.
std::optional<TProgramOptions> ParseProgramOptions(int argc, const char* const* argv);

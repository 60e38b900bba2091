#include "app/ProgramFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

bool HoldsAdventure(const std::string& programFolder)
{
    std::error_code error;
    return !programFolder.empty() && fs::is_regular_file(fs::path(programFolder) / "Game" / "data.db", error);
}

std::optional<std::string> FallbackProgramFolder()
{
    std::error_code error;
    for (const std::string& folder : {std::string(VELLUMORA_BUILT_PROGRAM_FOLDER), fs::current_path(error).string()})
        if (HoldsAdventure(folder))
            return folder;
    return std::nullopt;
}

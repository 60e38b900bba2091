// A folder of this fuzzing process under the system's temporary folder, removed
// with what it holds when the process ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

class TScratchFolder {
public:
    TScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellumora-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        Path = pattern;
    }
    ~TScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return Path + "/" + name; }

    std::string Path;
};

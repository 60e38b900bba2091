// A fresh folder under the system's temporary folder, removed with everything in
// it when the test ends.
#pragma once

#include <filesystem>
#include <string>

class TTempFolder {
public:
    TTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellumora-test-XXXXXX").string();
        Path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TTempFolder()
    {
        std::error_code error;
        if (!Path.empty())
            std::filesystem::remove_all(Path, error);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string operator/(const std::string& name) const { return Path + "/" + name; }

    std::string Path;
};

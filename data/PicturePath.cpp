#include "data/PicturePath.h"

namespace fs = std::filesystem;

namespace {

// Adventures are written with backslashes; both kinds separate here.
std::string WithSlashes(const std::string& name)
{
    std::string relative = name;
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    return relative;
}

bool StaysInside(const fs::path& relative)
{
    if (relative.empty() || relative.has_root_path())
        return false;
    for (const auto& part : relative)
        if (part == "..")
            return false;
    return true;
}

// Inside the folder after every link is followed.
bool LiesIn(const fs::path& resolved, const fs::path& folder)
{
    auto inFolder = folder.begin();
    auto inResolved = resolved.begin();
    for (; inFolder != folder.end(); ++inFolder, ++inResolved)
        if (inResolved == resolved.end() || *inResolved != *inFolder)
            return false;
    return inResolved != resolved.end();
}

} // namespace

std::optional<fs::path> PicturePath(const std::string& gameFolder, const std::string& name)
{
    const fs::path relative(WithSlashes(name));
    if (gameFolder.empty() || !StaysInside(relative))
        return std::nullopt;
    std::error_code error;
    const fs::path images = fs::canonical(fs::path(gameFolder) / "Images", error);
    if (error)
        return std::nullopt;
    const fs::path resolved = fs::canonical(images / relative, error);
    if (error || !LiesIn(resolved, images) || !fs::is_regular_file(resolved, error))
        return std::nullopt;
    return resolved;
}

#include "app/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool SameFolder(const fs::path& one, const fs::path& other)
{
    std::error_code error;
    return fs::equivalent(one, other, error);
}

// Points link at target, replacing a link that points elsewhere; a real file or
// folder of the same name (something the game wrote) is kept.
void Link(const fs::path& target, const fs::path& link, std::error_code& error)
{
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, error) == target)
            return;
        fs::remove(link, error);
    } else if (fs::exists(status)) {
        return;
    }
    error.clear();
    fs::create_symlink(target, link, error);
}

// Links every entry of from into to, but for the names kept out.
void LinkEntries(const fs::path& from, const fs::path& to, const fs::path& except, std::error_code& error)
{
    for (fs::directory_iterator it(from, error), end; !error && it != end; it.increment(error))
        if (it->path().filename() != except) {
            Link(it->path(), to / it->path().filename(), error);
            if (error)
                return;
        }
}

} // namespace

bool HoldsAdventure(const std::string& programFolder)
{
    std::error_code error;
    return !programFolder.empty() && fs::is_regular_file(fs::path(programFolder) / "Game" / "data.db", error);
}

std::string InstalledProgramFolder()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (program.parent_path().parent_path() / "share" / "vellumora").string();
}

std::optional<std::string> FallbackProgramFolder()
{
    std::error_code error;
    for (const std::string& folder :
         {InstalledProgramFolder(), std::string(VELLUMORA_BUILT_PROGRAM_FOLDER), fs::current_path(error).string()})
        if (HoldsAdventure(folder))
            return folder;
    return std::nullopt;
}

std::string UserDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute())
        return (fs::path(data) / "vellumora").string();
    const char* home = std::getenv("HOME");
    return home && *home ? (fs::path(home) / ".local" / "share" / "vellumora").string() : std::string();
}

std::string MirrorOf(const std::string& programFolder, const std::string& userFolder)
{
    const fs::path program(programFolder);
    const fs::path mirror(userFolder);
    std::error_code error;
    fs::create_directories(mirror / "Game", error);
    if (!error)
        LinkEntries(program, mirror, "Game", error);
    if (!error)
        LinkEntries(program / "Game", mirror / "Game", {}, error);
    const fs::path manual = program.parent_path() / "doc" / "vellumora";
    std::error_code missing;
    if (!error && !fs::exists(program / "doc", missing) && fs::is_directory(manual, missing))
        Link(manual, mirror / "doc", error);
    return error ? programFolder : mirror.string();
}

std::string PlayingFolder(const std::string& programFolder, const std::string& userFolder)
{
    const fs::path program(programFolder);
    const bool installed = SameFolder(program, InstalledProgramFolder());
    if (!installed && ::access((program / "Game").c_str(), W_OK) == 0)
        return programFolder;
    if (userFolder.empty() || SameFolder(program, userFolder))
        return programFolder;
    return MirrorOf(programFolder, userFolder);
}

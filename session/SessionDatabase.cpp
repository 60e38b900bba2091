#include "session/SessionDatabase.h"

#include <filesystem>
#include <memory>

#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/SessionSchema.h"
#include "platform/Host.h"
#include "session/Process.h"

namespace fs = std::filesystem;

namespace {

std::string Megabytes(uintmax_t bytes)
{
    constexpr uintmax_t megabyte = 1024 * 1024;
    return std::to_string((bytes + megabyte - 1) / megabyte);
}

void SayDiskFull(const fs::path& game, uintmax_t needed)
{
    Host().MessageDlg("The disk holding " + game.string() + " is too full to start the game: it needs about " +
                          Megabytes(needed) + " MB free.",
                      TMsgDlgType::Error, mbOK);
}

} // namespace

uintmax_t SessionSpaceNeeded(uintmax_t adventureSize)
{
    return 3 * adventureSize + 1024 * 1024;
}

bool CreateSessionDatabase(const std::string& gameFolder)
{
    const fs::path game(gameFolder);
    const fs::path session = game / "temp.db";
    std::error_code error;
    const uintmax_t size = fs::file_size(game / "data.db", error);
    const uintmax_t needed = error ? 0 : SessionSpaceNeeded(size);
    if (const fs::space_info space = fs::space(game, error); !error && space.available < needed) {
        SayDiskFull(game, needed);
        return false;
    }
    fs::copy_file(game / "data.db", session, fs::copy_options::overwrite_existing, error);
    if (error == std::errc::no_space_on_device) {
        SayDiskFull(game, needed);
        return false;
    }
    if (error) {
        Host().MessageDlg("The game cannot be started: " + session.string() + ": " + error.message(),
                          TMsgDlgType::Error, mbOK);
        return false;
    }
    // The copy of an installed, read-only adventure is the player's to write.
    fs::permissions(session, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    TProcess& process = Process();
    process.SessionDb = std::make_unique<TSQLite3>();
    TSQLite3& db = *process.SessionDb;
    db.Open(session.string());
    db.LogErrors = true;
    UseScratchSettings(db);
    try {
        ConvertToSessionDatabase(db);
        PrepareSessionDatabase(db);
    } catch (const EDatabaseError& failure) {
        if (failure.DiskFull())
            SayDiskFull(game, needed);
        else
            Host().MessageDlg("The adventure in " + game.string() + " is damaged and cannot be started: " +
                                  failure.what(),
                              TMsgDlgType::Error, mbOK);
        return false;
    }
    db.RaiseStorageFailures = true;
    return true;
}

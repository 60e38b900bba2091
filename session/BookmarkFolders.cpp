#include "session/BookmarkFolders.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "data/SQLite.h"
#include "platform/DateTime.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* StagingPrefix = ".staging-";

// n of "Save" + n, or -1 for any other name.
long long FolderNumber(const std::string& name)
{
    if (name.size() <= 4 || name.compare(0, 4, "Save") != 0)
        return -1;
    long long number = 0;
    const char* first = name.data() + 4;
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last && number > 0 ? number : -1;
}

TBookmarkEntry ReadEntry(const fs::path& folder)
{
    TBookmarkEntry entry;
    entry.Folder = folder.string();
    entry.Number = FolderNumber(folder.filename().string());
    if (entry.Number < 0)
        entry.Number = std::numeric_limits<long long>::max();
    TSQLite3 db;
    if (db.OpenReadOnly((folder / "data").string()) != 0)
        return entry;
    const TRecordSet rows = db.Query("select savename,datetime,loc_id from save_data");
    if (rows.empty())
        return entry;
    entry.Name = rows[0]->GetItem("savename");
    entry.Time = DateTimeFromText(rows[0]->GetItem("datetime"));
    entry.Readable = true;
    const TRecordSet place = db.Query("select name from locations where id = " +
                                      std::to_string(std::atoll(rows[0]->GetItem("loc_id").c_str())));
    if (!place.empty())
        entry.LocationName = place[0]->GetItem("name");
    return entry;
}

void Sync(const fs::path& path, int flags)
{
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0)
        throw std::runtime_error(path.string() + ": " + std::strerror(errno));
    const int result = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0)
        throw std::runtime_error(path.string() + ": " + std::strerror(error));
}

} // namespace

std::vector<TBookmarkEntry> ListBookmarks(const std::string& savesFolder)
{
    std::vector<TBookmarkEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(savesFolder, error), end; !error && it != end; it.increment(error)) {
        const fs::path folder = it->path();
        if (folder.filename().string().rfind(StagingPrefix, 0) == 0)
            continue;
        std::error_code missing;
        if (!fs::is_regular_file(folder / "data", missing))
            continue;
        entries.push_back(ReadEntry(folder));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const TBookmarkEntry& a, const TBookmarkEntry& b) {
        if (a.Time != b.Time)
            return a.Time < b.Time;
        if (a.Number != b.Number)
            return a.Number < b.Number;
        return a.Folder < b.Folder;
    });
    return entries;
}

std::string BookmarkCaption(const TBookmarkEntry& entry)
{
    if (!entry.Readable)
        return fs::path(entry.Folder).filename().string() + "  (unreadable)";
    std::string caption = entry.Name + "  " + ShortDateTime(entry.Time);
    if (!entry.LocationName.empty())
        caption += "  " + entry.LocationName;
    return caption;
}

std::string DateTimeText(double time)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, time);
    return error == std::errc() ? std::string(text, end) : "0.0";
}

double DateTimeFromText(const std::string& text)
{
    std::string number = text;
    // An older writer may have used the locale's decimal comma.
    std::replace(number.begin(), number.end(), ',', '.');
    double time = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), time);
    return error == std::errc() && std::isfinite(time) ? time : 0;
}

std::string ShortDateTime(double time)
{
    // The number is local wall-clock time already: read it without a zone.
    const double seconds = std::round((time - UnixEpochDays) * 86400.0);
    if (!std::isfinite(seconds) || std::fabs(seconds) > 1e14)
        return "?";
    const auto moment = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!gmtime_r(&moment, &parts))
        return "?";
    char text[64];
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts) ? text : "?";
}

std::string FreeBookmarkFolder(const std::string& savesFolder)
{
    for (long long number = 1;; ++number) {
        const std::string name = "Save" + std::to_string(number);
        std::error_code error;
        if (!fs::exists(fs::path(savesFolder) / name, error) && !error)
            return name;
    }
}

std::string MakeStagingFolder(const std::string& savesFolder)
{
    std::string pattern = (fs::path(savesFolder) / (std::string(StagingPrefix) + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(savesFolder + ": " + std::strerror(errno));
    // A bookmark folder is an ordinary one, not the private folder mkdtemp makes.
    std::error_code error;
    fs::permissions(pattern, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec, error);
    return pattern;
}

std::string PublishStagingFolder(const std::string& staging, const std::string& savesFolder)
{
    std::error_code error;
    for (fs::directory_iterator it(staging, error), end; !error && it != end; it.increment(error))
        Sync(it->path(), O_RDONLY);
    if (error)
        throw std::runtime_error(staging + ": " + error.message());
    Sync(staging, O_RDONLY | O_DIRECTORY);
    const fs::path target = fs::path(savesFolder) / FreeBookmarkFolder(savesFolder);
    fs::rename(staging, target, error);
    if (error)
        throw std::runtime_error(target.string() + ": " + error.message());
    Sync(savesFolder, O_RDONLY | O_DIRECTORY);
    return target.string();
}

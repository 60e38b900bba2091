// The Saves folder of an adventure: one folder per bookmark, Save1, Save2, ...
// Each is made whole in a hidden staging folder and renamed into place at the
// end, so the list never shows half a bookmark.
#pragma once

#include <string>
#include <vector>

struct TBookmarkEntry {
    std::string Name;
    // The save time as a date-time number; 0 for an unreadable bookmark.
    double Time = 0;
    // The bookmark's folder, kept for an unreadable one too so it can be deleted.
    std::string Folder;
    std::string LocationName;
    // False when its data holds no save row (or cannot be read): it cannot be loaded.
    bool Readable = false;
    // n of a "Save" + n folder; orders bookmarks saved at the same moment.
    long long Number = 0;
};

// The bookmarks under Saves, oldest first; folders without a data file and
// staging folders are left out.
std::vector<TBookmarkEntry> ListBookmarks(const std::string& savesFolder);
// How an entry reads in the bookmark lists: name, two blanks, the save time,
// then where the party stood.
std::string BookmarkCaption(const TBookmarkEntry& entry);

// The save time as a date-time number in the bookmark's save row: a decimal
// point whatever the locale, and read back by the same rule (0 for none).
std::string DateTimeText(double time);
double DateTimeFromText(const std::string& text);
// A date-time number as "YYYY-MM-DD HH:MM".
std::string ShortDateTime(double time);

// "Save" + the smallest n >= 1 whose folder does not exist.
std::string FreeBookmarkFolder(const std::string& savesFolder);

// Makes an empty staging folder under Saves, hidden from the lists; throws
// std::runtime_error with the reason when it cannot.
std::string MakeStagingFolder(const std::string& savesFolder);
// Flushes the staging folder's files and the folder to the disk and renames it to
// the next free "Save" + n; the new folder. Throws std::runtime_error with the
// reason when it cannot.
std::string PublishStagingFolder(const std::string& staging, const std::string& savesFolder);

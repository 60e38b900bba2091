// Saved games: a bookmark is a folder under the adventure's Saves folder with a
// copy of the session database and the files of what lives only in memory.
#pragma once

#include <functional>
#include <string>

#include "session/GlobalsFile.h"

// Everything a bookmark holds that is read before the book changes: a bookmark
// that cannot be read whole is refused, never half-loaded.
struct TBookmarkImage {
    int64_t LocationId = 0;
    TGlobalVariables Globals;
};
// Reads the bookmark's folder; false with the reason when any part of it is damaged.
bool ReadBookmark(const std::string& folder, TBookmarkImage& image, std::string& why);

// Called with the name of each step of a save before it runs ("staging",
// "store", "globals", "effects", "copy", "publish"); a test makes a step fail by
// throwing from it.
extern std::function<void(const std::string& step)> BookmarkSaveStep;

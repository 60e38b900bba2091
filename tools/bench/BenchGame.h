// The engine playing an adventure folder without a party, as far as moving and
// bookmarks go: a book opened the way a new game opens it, moves through the
// exits, a quick save and a quick load.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ScriptedHost.h"

class TBenchGame {
public:
    // Opens the book of the program folder and enters its start location.
    explicit TBenchGame(const std::string& appDir);
    ~TBenchGame();
    TBenchGame(const TBenchGame&) = delete;
    TBenchGame& operator=(const TBenchGame&) = delete;

    // Takes the exit of this orientation (1 north, 2 east, 3 south, 4 west);
    // false when the location has none.
    bool Move(int orientation);
    int64_t Here() const;

    // A quick save, as the player's quick save key makes it; throws when the
    // engine refuses or fails it.
    void QuickSave();
    // Loads the newest quick save, answering No to "Save before loading?";
    // throws unless the game then stands where the last quick save was made.
    void QuickLoad();

private:
    TScriptedHost Host;
    int64_t SavedAt = 0;
};

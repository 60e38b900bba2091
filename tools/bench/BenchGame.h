// The engine playing an adventure folder without a party, as far as moving goes:
// a book opened the way a new game opens it, and moves through the exits.
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

private:
    TScriptedHost Host;
};

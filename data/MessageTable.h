// The adventure's message table: entries 51 to 255 define the player states, each
// with its display name and the script run when a player gains it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TMessageEntry {
    int32_t ScriptId = 0;
    std::string Name;
};

using TMessageTable = std::array<TMessageEntry, 256>;

// Which program folder the game plays from when the one remembered in the
// settings no longer holds an adventure.
#pragma once

#include <optional>
#include <string>

// The folder has an adventure: Game/data.db.
bool HoldsAdventure(const std::string& programFolder);
// The program folder the build laid out, else the current folder: the first that
// holds an adventure, if any does.
std::optional<std::string> FallbackProgramFolder();

// Which program folder the game plays from. One rule, built or installed:
// --appdir, else the folder remembered in the settings when it holds an
// adventure, else the first of the installed folder (share/vellumora beside the
// executable's bin folder), the folder the build laid out, and the current folder
// that holds one. A folder the game may not write into (an installation) is
// played through a mirror in the user's data folder.
#pragma once

#include <optional>
#include <string>

// The folder has an adventure: Game/data.db.
bool HoldsAdventure(const std::string& programFolder);
// The installed program folder, the program folder the build laid out, else the
// current folder: the first that holds an adventure, if any does.
std::optional<std::string> FallbackProgramFolder();
// share/vellumora beside the bin folder of the running program.
std::string InstalledProgramFolder();
// $XDG_DATA_HOME/vellumora, or ~/.local/share/vellumora; empty without either.
std::string UserDataFolder();
// The folder to play from: programFolder itself, unless it is the installed one
// or its Game folder cannot be written; then its mirror in userFolder.
std::string PlayingFolder(const std::string& programFolder, const std::string& userFolder);
// Makes userFolder the mirror of programFolder: links to the program folder's
// files (made again at every start, so an update is followed) inside real Game
// folders for the saves, the session copy, exported characters and logs. The
// manual of an installation, kept under share/doc, is linked as doc. The mirror,
// or programFolder when it cannot be made.
std::string MirrorOf(const std::string& programFolder, const std::string& userFolder);

// The open-file dialog at the prompt: the files its filter takes in its initial
// folder, numbered, so the player types a number instead of a whole path.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct TFileChoice {
    std::string Folder;
    // What the filter calls its files: "Exported Character File (*.chr)".
    std::string Label;
    // The names of the files taken, in order.
    std::vector<std::string> Names;
};

// Whether a filter ("Label|*.ext;*.other|Label|...") takes a file of that name.
bool FilterTakes(const std::string& filter, const std::string& name);
// The files of the folder the initial path names: itself when it ends in a
// slash or is a folder, else the folder it is in.
TFileChoice ListFileChoice(const std::string& filter, const std::string& initialPath);
void DrawFileChoice(std::ostream& out, const TFileChoice& choice);
// The path for what the player typed: a number of the list, a name in the folder,
// or a path as typed. Nullopt, with the player's answer in why, for a number
// not in the list.
std::optional<std::string> ChosenPath(const TFileChoice& choice, const std::string& typed, std::string& why);

// The session's "name=value" lines: journal entries, quests and map pictures.
#pragma once

#include <string>
#include <vector>

// Whether a line of the list carries the name.
bool HasName(const std::vector<std::string>& lines, const std::string& name);
bool IsNamed(const std::string& line, const std::string& name);
// What comes before the "=": the whole line when there is none.
std::string NameOf(const std::string& line);
// What follows the "=", or empty.
std::string ValueOf(const std::string& line);

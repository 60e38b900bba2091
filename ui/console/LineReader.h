// Reads what the player types: with line editing and history at a terminal,
// plainly from a pipe.
#pragma once

#include <optional>
#include <string>

// Lets the line editor take accented letters: the terminal's own character set,
// or UTF-8 when the environment names none.
void PrepareLineEditing();
// nullopt at the end of input.
std::optional<std::string> ReadPlayerLine(const std::string& prompt);

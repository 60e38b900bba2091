// Reads what the player types: with line editing and history at a terminal,
// plainly from a pipe.
#pragma once

#include <optional>
#include <string>

// nullopt at the end of input.
std::optional<std::string> ReadPlayerLine(const std::string& prompt);

// The yardstick for a new game: the SQLite library on its own, copying data.db
// and running the very statements the engine's conversion runs.
#pragma once

#include <string>
#include <vector>

// The statements the engine runs while it converts a copy of the folder's data.db.
std::vector<std::string> RecordConversion(const std::string& gameFolder);
// Copies data.db to target and runs the statements on it through a bare connection.
void RunPlainConversion(const std::string& gameFolder, const std::string& target,
                        const std::vector<std::string>& statements);

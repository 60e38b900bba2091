// The yardstick for a new game: the SQLite library on its own, copying data.db
// and running the very statements the engine runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The statements run on the connections the work opens.
std::vector<std::string> RecordStatements(const std::function<void()>& work);
// Copies the folder's data.db to target and runs the statements on it through a
// bare connection.
void RunPlainConversion(const std::string& gameFolder, const std::string& target,
                        const std::vector<std::string>& statements);

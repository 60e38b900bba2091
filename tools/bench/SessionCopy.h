// The session database of a new game, made the way the game makes it: data.db
// copied to temp.db, converted, and prepared for play. And a plain copy of a
// file, the yardstick for a bookmark's copy of it.
#pragma once

#include <memory>
#include <string>

class TSQLite3;

std::unique_ptr<TSQLite3> NewSessionCopy(const std::string& gameFolder);

// Reads the file and writes it to a new file in blocks of 1 MiB, then flushes the
// new file to the disk (fsync), as a save flushes the files of a bookmark. Throws
// std::runtime_error with the reason when it cannot.
void CopyAndSync(const std::string& from, const std::string& to);

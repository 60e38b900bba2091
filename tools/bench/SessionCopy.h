// The session database of a new game, made the way the game makes it: data.db
// copied to temp.db, converted, and prepared for play.
#pragma once

#include <memory>
#include <string>

class TSQLite3;

std::unique_ptr<TSQLite3> NewSessionCopy(const std::string& gameFolder);

// The session database of a new game: temp.db, copied from the adventure's
// data.db and converted.
#pragma once

#include <cstdint>
#include <string>

// Room a new game needs beside an adventure database of this size: the copy, the
// rebuilt tables and the journal of the rebuild.
uintmax_t SessionSpaceNeeded(uintmax_t adventureSize);

// Makes temp.db in the Game folder and opens it as the session connection. When
// that fails (too little room, a full disk, a damaged adventure) one message says
// why and false is returned; the caller's data manager then removes what was made.
bool CreateSessionDatabase(const std::string& gameFolder);

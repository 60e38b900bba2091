// The session database: temp.db is a copy of the adventure's data.db converted at
// new game, with the current-state columns of its instance tables and the tables
// only a session has (players, journal, switches, ...).
#pragma once

#include <array>
#include <cstdint>
#include <string>

class TSQLite3;

// The columns of `players`, in table order; several writers insert positionally.
extern const std::array<const char*, 88> PlayerColumns;

// The statement that creates `players`.
std::string PlayersTableDdl();

// Converts an opened copy of data.db into a session database.
void ConvertToSessionDatabase(TSQLite3& db);

// New ids. An item or weapon id comes from item_id_gen.
int64_t NewObjectId(TSQLite3& db);
// A copy of a creature row; the copy's row id is the new creature's id.
int64_t NewCreatureCopyId(TSQLite3& db, int64_t sourceId);
// A player character's id is the row id of a placeholder creatures row.
int64_t NewPlayerId(TSQLite3& db);

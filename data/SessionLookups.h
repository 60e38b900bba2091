// What keeps play fast on a large adventure: the session database's indexes on
// the columns rows are looked up by, and the settings of its connection.
#pragma once

class TSQLite3;

// temp.db is a scratch copy, made again at every new game or restore: its
// connection keeps the journal and temporary tables in memory and does not wait
// for the disk. Run at open and again after anything that changes the settings.
void UseScratchSettings(TSQLite3& db);
// Run on a session database once it is converted or restored, on the connection
// play goes on with. The indexes live in the file, so a copy of it keeps them.
void PrepareSessionDatabase(TSQLite3& db);

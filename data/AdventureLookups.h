// An adventure's texts and scripts found by id or file name without reading the
// whole table: data.db stays as its editor wrote it, so the lookup lives in the
// connection's temporary schema.
#pragma once

class TSQLite3;

// Run on the adventure connection once it is open. "texts" and "scripts" then
// name views over an index of the tables' ids and file names; the statements
// reading them stay as they are and return the same rows in the same order.
void IndexAdventureLookups(TSQLite3& db);

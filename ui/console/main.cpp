// The console program. Until the game session exists it reports what the engine
// has: the database layer it plays on.
#include <cstdio>

#include "data/SQLite.h"

int main()
{
    TSQLite3 db;
    std::printf("Vellumora console\nEngine ready (SQLite %s). The adventure cannot be played yet.\n",
                db.Version.c_str());
    return 0;
}

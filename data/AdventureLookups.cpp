#include "data/AdventureLookups.h"

#include <string>

#include "data/SQLite.h"

namespace {

// A temporary table of each row's id, file name and row id, indexed, and a view
// of the same name as the table that reads the rest of the row by its row id.
void IndexLookups(TSQLite3& db, const std::string& table)
{
    const std::string rows = table + "_rows";
    if (db.Execute("create temp table " + rows + " as select rowid as row, id, file from main." + table) != 0)
        return;
    db.Execute("create index temp." + rows + "_id on " + rows + "(id, row)");
    db.Execute("create index temp." + rows + "_file on " + rows + "(file, row)");
    db.Execute("create temp view " + table + " as select r.id as id, r.file as file, t.text as text from temp." + rows +
               " r join main." + table + " t on t.rowid = r.row");
}

} // namespace

void IndexAdventureLookups(TSQLite3& db)
{
    // An adventure without one of the tables reads it as before, and fails as before.
    const bool logging = db.LogErrors;
    db.LogErrors = false;
    IndexLookups(db, "texts");
    IndexLookups(db, "scripts");
    db.LogErrors = logging;
}

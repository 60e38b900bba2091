#include "tools/bench/SessionCopy.h"

#include <filesystem>

#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/SessionSchema.h"

namespace fs = std::filesystem;

std::unique_ptr<TSQLite3> NewSessionCopy(const std::string& gameFolder)
{
    const fs::path game(gameFolder);
    fs::copy_file(game / "data.db", game / "temp.db", fs::copy_options::overwrite_existing);
    auto db = std::make_unique<TSQLite3>();
    db->Open((game / "temp.db").string());
    db->LogErrors = true;
    UseScratchSettings(*db);
    ConvertToSessionDatabase(*db);
    PrepareSessionDatabase(*db);
    return db;
}

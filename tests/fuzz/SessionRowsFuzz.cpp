// Damaged rows of a session database through the object loaders. Each input lays
// rows ("table: column=value; ...", NULL for a null) and loads objects ("load KIND
// ID", KIND one of item, item-copy, weapon, weapon-copy, container, creature,
// player, npc, spell). A load either succeeds or raises an error the host shows;
// either way it leaves no transaction open, and one that raised leaves the object
// tables as they were.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "AdventureSchema.h"
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionSchema.h"
#include "platform/ScriptedHost.h"
#include "rules/Creature.h"
#include "rules/Item.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

const char* const RequiredSettings =
    "insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6');";

// What a load may change, and must not when it raises.
const char* const ObjectTablesFingerprint =
    "select (select count(*) from items) || ',' || (select count(*) from weapons) || ',' ||"
    " (select count(*) from creatures) || ',' || (select count(*) from creature_contents) || ',' ||"
    " (select count(*) from container_contents) || ',' || (select count(*) from players) || ',' ||"
    " (select count(*) from player_contents) || ',' || (select count(*) from item_id_gen) as rows";

// An open book: the adventure folder, the process state with a host that answers
// every error box, and a session database converted from the adventure schema.
struct TOpenBook {
    TOpenBook()
    {
        const std::string game = Scratch / "Game";
        std::filesystem::create_directories(game + "/Images");
        TSQLite3 adventure;
        adventure.Open(game + "/data.db");
        FUZZ_CHECK(adventure.Execute(AdventureSchemaSql) == 0 && adventure.Execute(RequiredSettings) == 0,
                   "the adventure schema did not build");
        adventure.Close();

        Host.SetLineSource([](const std::string&) { return std::string("answer ok"); });
        TProcess& process = Process();
        process.Host = &Host;
        process.MainForm = std::make_unique<TForm1>();
        process.Client = std::make_unique<TGameClient>(*process.MainForm);
        process.GameDir = game;
        process.SessionDb = std::make_unique<TSQLite3>();
        process.SessionDb->Open(":memory:");
        process.SessionDb->Execute(AdventureSchemaSql);
        process.SessionDb->Execute(RequiredSettings);
        ConvertToSessionDatabase(*process.SessionDb);
        process.MainForm->DataManager = std::make_unique<TDataManager>(game);
        FUZZ_CHECK(process.MainForm->DataManager->Opened(), "the adventure did not open");
    }
    // The session pieces go while the host they report to is still there.
    ~TOpenBook() { ResetProcess(); }

    TScratchFolder Scratch;
    TScriptedHost Host;
};

bool IsName(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

// "table: column=value; ..." as an insert that replaces a row of the same key.
void LayRow(TSQLite3& db, const std::string& line)
{
    const size_t colon = line.find(':');
    const std::string table = Trim(line.substr(0, colon));
    if (colon == std::string::npos || !IsName(table))
        return;
    std::string columns;
    std::string values;
    std::stringstream assignments(line.substr(colon + 1));
    std::string assignment;
    while (std::getline(assignments, assignment, ';')) {
        const size_t equals = assignment.find('=');
        const std::string column = Trim(assignment.substr(0, equals));
        if (equals == std::string::npos || !IsName(column))
            continue;
        const std::string value = Trim(assignment.substr(equals + 1));
        columns += (columns.empty() ? "" : ",") + column;
        values += (values.empty() ? "" : ",") + (value == "NULL" ? value : SqlQuote(value));
    }
    if (!columns.empty())
        db.Execute("insert or replace into " + table + " (" + columns + ") values (" + values + ")");
}

void CheckItem(const TItem& item)
{
    if (item.Container)
        FUZZ_CHECK(item.Container->Contents.size() <= 255, "a container with more places than it may have");
}

using TLoad = std::function<void(TDataManager&, int64_t)>;

const std::map<std::string, TLoad>& Loads()
{
    static const std::map<std::string, TLoad> loads = {
        {"item", [](TDataManager& data, int64_t id) { TItem item; data.LoadItem(id, &item, false); CheckItem(item); }},
        {"item-copy", [](TDataManager& data, int64_t id) { TItem item; data.LoadItem(id, &item, true); }},
        {"weapon", [](TDataManager& data, int64_t id) { TWeapon weapon; data.LoadWeapon(id, &weapon, false); }},
        {"weapon-copy", [](TDataManager& data, int64_t id) { TWeapon weapon; data.LoadWeapon(id, &weapon, true); }},
        {"container",
         [](TDataManager& data, int64_t id) { TItem item; data.LoadContainer(id, &item); CheckItem(item); }},
        {"creature", [](TDataManager& data, int64_t id) { TEnemy enemy; data.LoadCreature(id, &enemy); }},
        {"player", [](TDataManager& data, int64_t id) { TPlayer player; data.LoadPlayer(&player, id); }},
        {"npc", [](TDataManager& data, int64_t id) { TEntity npc; data.LoadNpc(id, &npc); }},
        {"spell", [](TDataManager& data, int64_t id) { TSpell spell; data.LoadSpell(id, &spell); }},
    };
    return loads;
}

std::string Fingerprint(TSQLite3& db)
{
    const TRecordSet rows = db.Query(ObjectTablesFingerprint);
    return rows.empty() ? std::string() : rows[0]->GetItem("rows");
}

// "load KIND ID"
void Load(TSQLite3& db, TDataManager& data, const std::string& line)
{
    std::istringstream words(line);
    std::string load, kind, id;
    words >> load >> kind >> id;
    const auto found = Loads().find(kind);
    if (found == Loads().end())
        return;
    const std::string before = Fingerprint(db);
    bool raised = false;
    try {
        found->second(data, StrToInt64Def(id, 0));
    } catch (const std::exception&) {
        // Shown to the player by the host; what matters is what it left behind.
        raised = true;
    }
    FUZZ_CHECK(db.Depth() == 1, "a load left a transaction open");
    if (raised)
        FUZZ_CHECK(Fingerprint(db) == before, "a load that raised changed the object tables");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TOpenBook Book;
    TSQLite3& db = *Process().SessionDb;
    TDataManager& manager = *MainForm().DataManager;
    // Every input starts from the same empty book.
    db.BeginTransaction();
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("load ", 0) == 0)
            Load(db, manager, line);
        else if (!line.empty() && line[0] != '#')
            LayRow(db, line);
    }
    db.RollbackTransaction();
    return 0;
}

// Damaged rows of a session database through the object loaders. Each input lays
// rows ("table: column=value; ...", NULL for a null) and loads objects ("load KIND
// ID", KIND one of item, item-copy, weapon, weapon-copy, container, creature,
// player, npc, spell, area, books, maps). A load either succeeds or raises an error
// the host shows; either way it leaves no transaction open, and one that raised
// leaves the object tables as they were. An area, the journal's books and the map
// pictures are read as a bookmark brings them back, drawn, and an area saved and
// read again keeps its shown cells.
#include <cstdint>
#include <filesystem>
#include <fstream>
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
#include "data/Utils.h"
#include "platform/FixedCanvas.h"
#include "platform/ScriptedHost.h"
#include "rules/Creature.h"
#include "rules/Item.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"
#include "world/Journal.h"
#include "world/Location.h"

namespace {

const char* const RequiredSettings =
    "insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6');";

// What a load may change, and must not when it raises.
const char* const ObjectTablesFingerprint =
    "select (select count(*) from items) || ',' || (select count(*) from weapons) || ',' ||"
    " (select count(*) from creatures) || ',' || (select count(*) from creature_contents) || ',' ||"
    " (select count(*) from container_contents) || ',' || (select count(*) from players) || ',' ||"
    " (select count(*) from player_contents) || ',' || (select count(*) from item_id_gen) as rows";

// A plain 24-bit BMP of grey pixels.
void WritePicture(const std::string& path, int width, int height)
{
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::string bytes = "BM";
    auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes += static_cast<char>(value >> (8 * i));
    };
    put(14 + 40 + rowBytes * height, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(24, 2);
    bytes += std::string(24, '\0');
    for (int row = 0; row < height; ++row)
        bytes += std::string(width * 3, static_cast<char>(0x80 + row)) + std::string(rowBytes - width * 3, '\0');
    std::ofstream(path, std::ios::binary) << bytes;
}

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
        // A map picture and a marker for the map lines to name.
        process.MainForm->DataManager->EncImg = false;
        WritePicture(game + "/Images/town.bmp", 16, 12);
        WritePicture(game + "/Images/whereami.bmp", 3, 3);
    }
    // The session pieces go while the host they report to is still there.
    ~TOpenBook() { ResetProcess(); }

    TScratchFolder Scratch;
    TScriptedHost Host;
};

// The area as a bookmark brings it back: drawn whole and around each of its
// cells, then saved and read again with its shown cells kept.
void LoadArea(int64_t id)
{
    TMapArea& map = AreaMap();
    map.LoadArea(static_cast<int32_t>(id));
    FUZZ_CHECK(map.Width >= 0 && map.Width <= 1000 && map.Height >= 0 && map.Height <= 1000,
               "an area larger than a map can be");
    FUZZ_CHECK(map.Cells.size() == size_t(map.Height), "rows that are not the area's height");
    std::vector<std::pair<int, int>> shown;
    for (int row = 0; row < map.Height; ++row) {
        FUZZ_CHECK(map.Cells[row].size() == size_t(map.Width), "a row that is not the area's width");
        for (int column = 0; column < map.Width; ++column)
            if (map.Cells[row][column].Draw)
                shown.emplace_back(row, column);
    }
    TFixedCanvas canvas;
    TLocation here;
    here.AreaId = map.AreaId;
    here.MapX = static_cast<int32_t>(id % 5) - 1;
    here.MapY = static_cast<int32_t>(id % 3);
    DrawAreaMap(canvas, map, &here);
    DrawMiniMap(canvas, map, &here);
    map.SaveArea(map.AreaId);
    map.LoadArea(map.AreaId);
    for (const auto& [row, column] : shown)
        FUZZ_CHECK(map.Cell(row, column) && map.Cell(row, column)->Draw, "a shown cell was lost by saving");
    map.Close();
}

std::vector<std::string> StoredLines(TSQLite3& db, const std::string& table, const std::string& column)
{
    std::vector<std::string> lines;
    for (const auto& row : db.Query("select " + column + " from " + table))
        for (const std::string& line : SplitLines(row->GetItem(column)))
            lines.push_back(line);
    return lines;
}

// The journal's books made again from their stored names, every page drawn.
void LoadBooks(TSQLite3& db)
{
    TGameClient& client = GameClient();
    client.JournalEntries = StoredLines(db, "journal", "jtext");
    client.Quests = StoredLines(db, "quests", "qtext");
    client.RestoreJournal();
    TJournalManager& journal = JournalManager();
    for (const char* book : {"JOURNAL", "QUESTS"}) {
        journal.BuildView(book, true);
        for (int page = 1; page <= journal.PageCount; page += 2) {
            journal.ShowPage(page);
            TFixedCanvas canvas;
            journal.PaintPage(0, canvas);
            journal.PaintPage(1, canvas);
        }
        FUZZ_CHECK(journal.LeftPage >= 1 && journal.LeftPage < journal.PageCount, "a spread beyond the book");
    }
    client.JournalEntries.clear();
    client.Quests.clear();
    journal.Reset();
}

// The map pictures with their markers, each shown, moved and shown again.
void LoadMaps(TSQLite3& db)
{
    TGameClient& client = GameClient();
    client.MapPictures = StoredLines(db, "maps", "mtext");
    for (int index = 0; index < static_cast<int>(client.MapPictures.size()); ++index) {
        client.ShowMapPicture(index);
        const std::string title = client.MapPictures[index].substr(0, client.MapPictures[index].find('='));
        client.UpdateMapMarker(title, "here", 1, index * 7 - 3, index * 5 - 2, "whereami.bmp");
        client.UpdateMapMarker(title, "here", 3, -1, index, "");
        client.ShowMapPicture(index);
    }
    client.MapPictures.clear();
}

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
    if (kind == "area")
        return LoadArea(StrToInt64Def(id, 0));
    if (kind == "books")
        return LoadBooks(db);
    if (kind == "maps")
        return LoadMaps(db);
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

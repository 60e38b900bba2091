// Saving and loading bookmarks. A save writes everything into a staging folder
// and renames it into place only when every file is on the disk; a load reads the
// whole bookmark before the book changes.
#include "session/Bookmarks.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "app/MainForm.h"
#include "app/StartForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/Utils.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/EffectRecords.h"
#include "rules/Effects.h"
#include "script/ScriptRegistry.h"
#include "session/BookmarkFolders.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/AreaMap.h"
#include "session/StyledText.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace fs = std::filesystem;

std::function<void(const std::string& step)> BookmarkSaveStep;

namespace {

constexpr int32_t EngineVersion = 160;
constexpr const char* QuicksaveName = "Quicksave";
constexpr const char* AutosaveName = "Autosave";
constexpr size_t AutosavesKept = 3;
// Far beyond what any game keeps in its side files.
constexpr uintmax_t MaxSideFileSize = 64 * 1024 * 1024;

void Step(const char* name)
{
    if (BookmarkSaveStep)
        BookmarkSaveStep(name);
}

void Inform(const std::string& text)
{
    Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

fs::path SavesFolder()
{
    return fs::path(Process().GameDir) / "Saves";
}

void WriteWholeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error(path.string() + " cannot be written.");
}

// The file's bytes; false when it is missing. Throws when it is there but unreadable.
bool ReadWholeFile(const fs::path& path, std::string& bytes)
{
    std::error_code error;
    if (!fs::exists(path, error))
        return false;
    const uintmax_t size = fs::file_size(path, error);
    if (error || size > MaxSideFileSize)
        throw std::runtime_error(path.filename().string() + " is not a bookmark file.");
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof())
        throw std::runtime_error(path.filename().string() + " cannot be read.");
    return true;
}

// The list's lines, each followed by CR LF, quoted for SQL.
std::string QuotedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return SqlQuote(text);
}

// The lines of the text in the table's one row.
std::vector<std::string> StoredLines(TSQLite3& db, const std::string& column, const std::string& table)
{
    const TRecordSet rows = db.Query("select " + column + " from " + table);
    return rows.empty() ? std::vector<std::string>() : SplitLines(rows[0]->GetItem(column));
}

void TellSystemScript(int32_t code)
{
    const TForm1& form = MainForm();
    if (!form.DataManager || form.DataManager->SysMsg <= 0)
        return;
    TScriptParam param;
    param.Value = code;
    RunScriptOnce(seOnMessage, nullptr, param, nullptr, nullptr, form.DataManager->SysMsg);
}

// Holds the effects still while a save writes them, and lets them run on after.
class TEffectsHeld {
public:
    explicit TEffectsHeld(TForm1& form) : Form(form), Manager(form.EffectsManager.get())
    {
        if (Manager && !Manager->Paused())
            Manager->Pause();
        else
            Manager = nullptr;
    }
    ~TEffectsHeld()
    {
        // The book may have closed, or another session begun, meanwhile.
        if (Manager && Form.EffectsManager.get() == Manager)
            Manager->Resume();
    }
    TEffectsHeld(const TEffectsHeld&) = delete;
    TEffectsHeld& operator=(const TEffectsHeld&) = delete;

private:
    TForm1& Form;
    TEffectsManager* Manager;
};

// Removes the bookmarks of the name beyond the newest keep, the one just made
// always kept among them: saves made at the same moment are ordered by their
// folder numbers, and a new save may take a smaller number an older one left free.
void PruneBookmarks(const std::string& name, size_t keep, const std::string& made)
{
    const fs::path madeName = fs::path(made).filename();
    std::vector<TBookmarkEntry> entries = ListBookmarks(SavesFolder().string());
    std::erase_if(entries, [&name, &madeName](const TBookmarkEntry& entry) {
        return !entry.Readable || entry.Name != name || fs::path(entry.Folder).filename() == madeName;
    });
    // The one made is left out of the list and is one of the keep.
    for (size_t index = 0; index + keep < entries.size() + 1; ++index)
        DeleteFolder(entries[index].Folder);
}

} // namespace

bool ReadBookmark(const std::string& folder, TBookmarkImage& image, std::string& why)
{
    const fs::path path(folder);
    try {
        std::error_code error;
        if (!fs::is_regular_file(path / "data", error))
            throw std::runtime_error("it has no saved game.");
        TSQLite3 db;
        if (db.OpenReadOnly((path / "data").string()) != 0)
            throw std::runtime_error("its saved game cannot be opened: " + db.LastMessage);
        const TRecordSet check = db.Query("PRAGMA quick_check");
        if (check.empty() || check[0]->GetItem("quick_check") != "ok")
            throw std::runtime_error("its saved game is damaged.");
        const TRecordSet rows = db.Query("select loc_id from save_data");
        if (rows.empty())
            throw std::runtime_error("its saved game holds no save record.");
        image.LocationId = std::atoll(rows[0]->GetItem("loc_id").c_str());
        if (image.LocationId <= 0)
            throw std::runtime_error("its saved game names no location.");
        db.Close();

        std::string names;
        std::string values;
        ReadWholeFile(path / "GlobalN", names);
        const bool haveValues = ReadWholeFile(path / "Global.dat", values);
        TReadGlobals globals = ReadGlobals(names, values, haveValues);
        if (!globals.Error.empty())
            throw std::runtime_error("Global.dat is damaged: " + globals.Error);
        image.Globals = std::move(globals.Globals);

        std::string timed;
        if (ReadWholeFile(path / "Timed.dat", timed))
            if (const std::string damage = ReadEffectEntries(timed).Error; !damage.empty())
                throw std::runtime_error("Timed.dat is damaged: " + damage);
    } catch (const std::exception& failure) {
        why = failure.what();
        return false;
    }
    return true;
}

bool TGameClient::SaveBookmark(TSaveKind kind)
{
    if (!BookOpen())
        return false;
    auto refused = [this] {
        if (Options && Options->ShownCount() > 0) {
            Inform("You cannot save while there are choices.");
            return true;
        }
        if (Form.InCombat) {
            Inform("You cannot save while in combat.");
            return true;
        }
        // The shop's goods are stored when it closes: a save now would keep the
        // goods as they were and the party's purchases as well.
        if (Trading) {
            Inform("You must finish trading first");
            return true;
        }
        return false;
    };
    if (refused())
        return false;
    const TEffectsHeld held(Form);
    const fs::path saves = SavesFolder();
    std::error_code error;
    fs::create_directories(saves, error);
    if (error) {
        Host().MessageDlg("Save failed: " + saves.string() + ": " + error.message(), TMsgDlgType::Error, mbOK);
        return false;
    }
    std::string name = kind == TSaveKind::Quick ? QuicksaveName : AutosaveName;
    if (kind == TSaveKind::Named) {
        TFrmStart dialog;
        dialog.PrepareForSaving(saves.string());
        for (;;) {
            dialog.ModalResult = mrNone;
            if (Host().ShowModal(dialog) != mrOk)
                return false;
            name = dialog.SaveName();
            if (!name.empty())
                break;
            Inform("No Bookmark Name Provided.");
        }
        // The game went on while the dialog was open.
        if (!BookOpen() || refused())
            return false;
    }
    std::string staging;
    std::string made;
    try {
        Step("staging");
        staging = MakeStagingFolder(saves.string());
        TellSystemScript(1);
        if (!BookOpen() || !Process().SessionDb)
            throw std::runtime_error("the game was closed while it was being saved.");
        WriteBookmark(staging, name);
        Step("publish");
        made = PublishStagingFolder(staging, saves.string());
    } catch (const std::exception& failure) {
        if (!staging.empty())
            DeleteFolder(staging);
        Host().MessageDlg(std::string("Save failed: ") + failure.what(), TMsgDlgType::Error, mbOK);
        return false;
    }
    if (kind == TSaveKind::Quick)
        PruneBookmarks(QuicksaveName, 1, made);
    else if (kind == TSaveKind::Auto)
        PruneBookmarks(AutosaveName, AutosavesKept, made);
    AppendText("");
    AppendText(kind == TSaveKind::Auto ? "~<c:LIME>Autosave successful . . ." : "~<c:LIME>Save successful . . .");
    return true;
}

void TGameClient::WriteBookmark(const std::string& staging, const std::string& name)
{
    TProcess& process = Process();
    TSQLite3& db = *process.SessionDb;
    const fs::path folder(staging);
    {
        Step("store");
        TTransaction transaction(db);
        if (Form.LocationManager)
            Form.LocationManager->StoreAll();
        db.Execute("drop table switches");
        db.Execute("create table switches (name TEXT, value INTEGER)");
        TIntegerHash& switches = process.Switches;
        for (switches.Restart(); switches.Next();) {
            const std::string key = switches.CurrentKey();
            db.Execute("insert into switches values( " + SqlQuote(key) + ", " +
                       std::to_string(switches.GetItem(key)) + ")");
        }
        db.Execute("update journal set jtext = " + QuotedLines(JournalEntries));
        db.Execute("update quests set qtext = " + QuotedLines(Quests));
        db.Execute("update maps set mtext = " + QuotedLines(MapPictures));
        AreaMap().SaveArea(AreaMap().AreaId);
        RefreshGoldLabels();
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            if (TPlayer* member = Form.Member(slot))
                Form.DataManager->SavePlayer(member, slot);
        const int64_t location = CurrentLocation ? CurrentLocation->Id : 0;
        db.Execute("update save_data set engine_version = " + std::to_string(EngineVersion) + ", " +
                   " loc_id = " + std::to_string(location) + ", " + " datetime = " +
                   SqlQuote(DateTimeText(Host().Now())) + ", " + " savename = " + SqlQuote(name));
        transaction.Commit();
    }
    Step("globals");
    const TGlobalsFiles globals = WriteGlobals(process.GlobalVariables);
    WriteWholeFile(folder / "GlobalN", globals.Names);
    WriteWholeFile(folder / "Global.dat", globals.Values);
    Step("effects");
    if (Form.EffectsManager)
        if (const std::string effects = Form.EffectsManager->Entries(); !effects.empty())
            WriteWholeFile(folder / "Timed.dat", effects);
    // Every change is committed, and the scratch journal keeps nothing aside,
    // so the file as it stands is the whole game.
    Step("copy");
    std::error_code error;
    fs::copy_file(fs::path(process.GameDir) / "temp.db", folder / "data", error);
    if (error)
        throw std::runtime_error("the saved game cannot be written: " + error.message());
}

void TGameClient::LoadBookmark()
{
    TProcess& process = Process();
    if (process.AppDir.empty())
        return;
    if (!QuerySaveBeforeClosing("Save before loading?"))
        return;
    CloseBook();
    TFrmStart dialog;
    dialog.PrepareForLoading(process.AppDir);
    std::string folder;
    for (;;) {
        dialog.ModalResult = mrNone;
        if (Host().ShowModal(dialog) != mrOk)
            return;
        if (const TBookmarkEntry* picked = dialog.SelectedBookmark()) {
            folder = picked->Folder;
            break;
        }
        Inform("No Bookmark Selected");
    }
    if (dialog.BookName().empty()) {
        Host().MessageDlg("Adventure folder not specified.", TMsgDlgType::Error, mbOK);
        return;
    }
    OpenBookmark(folder, false);
}

void TGameClient::QuickLoad()
{
    LoadNewest(QuicksaveName, "There is no quick save to load.");
}

void TGameClient::ContinueGame()
{
    LoadNewest("", "There is no saved game to continue.");
}

void TGameClient::LoadNewest(const std::string& name, const std::string& none)
{
    const TProcess& process = Process();
    if (process.AppDir.empty())
        return;
    std::vector<TBookmarkEntry> entries = ListBookmarks((fs::path(process.AppDir) / "Game" / "Saves").string());
    std::erase_if(entries, [&name](const TBookmarkEntry& entry) {
        return !entry.Readable || (!name.empty() && entry.Name != name);
    });
    if (entries.empty()) {
        Inform(none);
        return;
    }
    OpenBookmark(entries.back().Folder, true);
}

bool TGameClient::OpenBookmark(const std::string& folder, bool askFirst)
{
    TBookmarkImage image;
    std::string why;
    if (!ReadBookmark(folder, image, why)) {
        Host().MessageDlg("The bookmark " + fs::path(folder).filename().string() + " cannot be loaded: " + why,
                          TMsgDlgType::Error, mbOK);
        return false;
    }
    if (askFirst) {
        if (!QuerySaveBeforeClosing("Save before loading?"))
            return false;
        CloseBook();
    }
    try {
        RestoreBookmark(folder, image);
    } catch (const std::exception& failure) {
        CloseBook();
        Host().MessageDlg("The bookmark " + fs::path(folder).filename().string() + " cannot be loaded: " +
                              failure.what(),
                          TMsgDlgType::Error, mbOK);
        return false;
    }
    if (!CurrentLocation) {
        // Its location could not be entered, and that was said: no book plays on
        // without a place to stand.
        CloseBook();
        return false;
    }
    return true;
}

void TGameClient::RestoreBookmark(const std::string& folder, const TBookmarkImage& image)
{
    TForm1& form = Form;
    TProcess& process = Process();
    if (!OpenAdventure())
        return;
    TDataManager& data = *form.DataManager;
    const fs::path game(process.GameDir);
    // Copied aside and renamed over temp.db, so the session is never half a copy.
    std::error_code error;
    fs::copy_file(fs::path(folder) / "data", game / "temp.db.loading", fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(game / "temp.db.loading", game / "temp.db", error);
    if (error) {
        fs::remove(game / "temp.db.loading");
        throw std::runtime_error("its saved game cannot be copied: " + error.message());
    }
    process.SessionDb = std::make_unique<TSQLite3>();
    TSQLite3& db = *process.SessionDb;
    if (db.Open((game / "temp.db").string()) != 0)
        throw std::runtime_error(db.LastMessage);
    db.LogErrors = true;
    PrepareSessionDatabase(db);
    db.RaiseStorageFailures = true;
    ShowAdventureTitle(data.AdventureTitle + " " + data.AdventureVersion);

    process.Switches.Clear();
    for (const auto& row : db.Query("select * from switches"))
        process.Switches.SetItem(row->GetItem("name"), std::atoi(row->GetItem("value").c_str()));
    JournalEntries = StoredLines(db, "jtext", "journal");
    Quests = StoredLines(db, "qtext", "quests");
    MapPictures = StoredLines(db, "mtext", "maps");
    RestoreJournal();
    TControlState& maps = form.Control("ComboMapTitle");
    maps.Items.clear();
    for (const std::string& line : MapPictures) {
        std::vector<std::string> fields;
        SplitToList(line, '|', fields);
        maps.Items.push_back(fields.size() > 1 ? fields[1] : std::string());
    }
    data.LoadLibraries();
    data.LoadMessages();
    process.GlobalVariables = image.Globals;
    SessionClosed = false;

    for (const auto& row : db.Query("select id,party_pos from players where party_pos > 0")) {
        auto player = std::make_unique<TPlayer>();
        data.LoadPlayer(player.get(), std::atoll(row->GetItem("id").c_str()));
        if (player->Id == 0)
            throw std::runtime_error("the party member " + row->GetItem("id") + " cannot be read.");
        int slot = std::atoi(row->GetItem("party_pos").c_str());
        // A place out of range or taken twice still seats the member.
        for (int free = 1; (slot < 1 || slot > MaxPartySize || form.Member(slot)) && free <= MaxPartySize; ++free)
            slot = free;
        AddPartyMember(player, slot);
        if (player)
            throw std::runtime_error("it holds more party members than there are places.");
    }
    CreateOptions();
    form.LocationManager = std::make_unique<TLocationManager>();
    form.EffectsManager = std::make_unique<TEffectsManager>();
    form.EffectsManager->Load((fs::path(folder) / "Timed.dat").string());
    // The members were seated before their effects came back: their panels
    // tell each running effect with its time left from the start.
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            RefreshMemberGauges(slot);
    TellSystemScript(2);
    if (!BookOpen())
        return;
    EnterLocation(image.LocationId);
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (const TPlayer* member = form.Member(slot); member && member->experience >= member->next_level)
            AppendText("~<c:LIME;>" + member->Name + " LEVEL UP");
    if (!maps.Items.empty())
        form.Select("ComboMapTitle", 0);
}

void TGameClient::AutosaveOnNewArea(int32_t previousArea)
{
    if (previousArea < 0 || !CurrentLocation || CurrentLocation->AreaId == previousArea || Form.InCombat || Trading ||
        (Options && Options->ShownCount() > 0))
        return;
    SaveBookmark(TSaveKind::Auto);
}

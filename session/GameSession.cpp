// Opening and closing a book, entering locations and moving between them.
#include <algorithm>
#include <exception>
#include <filesystem>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionLookups.h"
#include "data/SessionSchema.h"
#include "platform/Host.h"
#include "rules/CharGen.h"
#include "rules/ClassTables.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "rules/ShopSession.h"
#include "script/ScriptRegistry.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Journal.h"
#include "world/AreaMap.h"
#include "session/SessionDatabase.h"
#include "session/StyledText.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace fs = std::filesystem;

namespace {

const char* const WindowCaption = "Vellumora Engine 1.6";

bool AnyMemberUnableToAct(const TForm1& form)
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (const TPlayer* member = form.Member(slot); member && member->States.test(StateUnableToAct))
            return true;
    return false;
}

int32_t RunLocationScript(int event, const TScriptParam& param = {})
{
    TLocation* here = GameClient().CurrentLocation;
    return here ? RunScriptOnce(event, nullptr, param, nullptr, nullptr, here->ScriptId) : -1;
}

} // namespace

bool TGameClient::QuerySaveBeforeClosing(const std::string& question)
{
    if (!BookOpen())
        return true;
    const int answer = Host().MessageDlg(question, TMsgDlgType::Confirmation, mbYesNoCancel);
    if (answer == mrCancel)
        return false;
    // A wish to save that was not met (refused, cancelled or failed) keeps the
    // book open: nothing is closed unsaved.
    return answer == mrNo || SaveBookmark();
}

void TGameClient::CloseBook()
{
    TForm1& form = Form;
    TProcess& process = Process();
    form.EffectsManager.reset();
    EndCombat();
    CloseShop();
    form.LocationManager.reset();
    form.DataManager.reset();
    process.Switches.Clear();
    process.GameDir.clear();
    form.RichEdit1.Clear();
    ChoiceResult = -1;
    Options.reset();
    PartyGold = 0;
    CurrentLocation = nullptr;
    Trading = false;
    JournalEntries.clear();
    Quests.clear();
    MapPictures.clear();
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        form.Party[slot - 1].reset();
        ClearMemberPanel(slot);
        EnableMemberPanel(slot, false);
    }
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        form.Control("BtnQuick" + std::to_string(quick)).Caption.clear();
    JournalManager().Reset();
    form.Control("ComboMapTitle").Items.clear();
    AreaMap().Close();
    ++form.Control("Grid").Tag;
    SessionClosed = true;
    process.GlobalVariables.clear();
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        form.Control("RadioButton" + std::to_string(slot)).Hint.clear();
        form.Control("MainGraphHP" + std::to_string(slot)).Hint.clear();
    }
    form.ShowProgramLogo();
    form.Caption = WindowCaption;
    RefreshExitButtons();
}

bool TGameClient::OpenAdventure()
{
    TForm1& form = Form;
    TProcess& process = Process();
    process.GameDir = (fs::path(process.AppDir) / "Game").string();
    form.DataManager = std::make_unique<TDataManager>(process.GameDir);
    const TDataManager& data = *form.DataManager;
    // The data manager has said why when it could not open the adventure.
    const bool elsewhere = data.InUseElsewhere();
    if (elsewhere)
        Host().MessageDlg("This adventure is already open in another window.", TMsgDlgType::Error, mbOK);
    if (elsewhere || !data.Opened()) {
        process.GameDir.clear();
        form.DataManager.reset();
        return false;
    }
    process.SessionDb.reset();
    return true;
}

void TGameClient::ShowAdventureTitle(const std::string& title)
{
    Form.Caption = std::string(WindowCaption) + " - " + title;
    for (const char* logo : {"logo.bmp", "logo.jpg", "logo.jpeg"})
        if (Form.DataManager->LoadPicture(logo, Form.Control("Image")))
            break;
}

void TGameClient::StartNewGame()
{
    if (!QuerySaveBeforeClosing("Save before closing?"))
        return;
    CloseBook();
    TForm1& form = Form;
    TProcess& process = Process();
    if (!OpenAdventure())
        return;
    TDataManager& data = *form.DataManager;
    // Whatever stops the start leaves no book open; the data manager takes temp.db with it.
    auto abandon = [&form, &process] {
        process.GameDir.clear();
        form.DataManager.reset();
    };
    if (!CreateSessionDatabase(process.GameDir)) {
        abandon();
        return;
    }
    ShowAdventureTitle(data.AdventureTitle);
    data.LoadLibraries();
    data.LoadMessages();
    PartyGold = 0;
    SessionClosed = false;

    // The party has six places: an adventure offering more would lose the rest.
    const int maximum = std::min(data.ChStart, MaxPartySize);
    int created = 0;
    while (created < maximum) {
        const std::string question = "Create a character? (" + std::to_string(maximum) + " max," +
                                     std::to_string(created) + " created so far)";
        if (Host().MessageDlg(question, TMsgDlgType::Confirmation, mbYesNo) != mrYes)
            break;
        auto player = std::make_unique<TPlayer>();
        if (!CreateCharacter(*player))
            continue;
        PartyGold += player->Gold;
        player->Gold = 0;
        player->Base = player->CurrentRecord();
        ++created;
        AddPartyMember(player, created);
        RefreshGoldLabels();
    }
    if (created == maximum) {
        Host().MessageDlg("Maximum allowed characters created. Starting game now.", TMsgDlgType::Information, mbOK);
    } else if (created == 0 ||
               Host().MessageDlg("Start game?", TMsgDlgType::Confirmation, mbYesNo) != mrYes) {
        abandon();
        for (int slot = 1; slot <= MaxPartySize; ++slot) {
            form.Party[slot - 1].reset();
            ClearMemberPanel(slot);
            EnableMemberPanel(slot, false);
        }
        return;
    }

    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        TPlayer* member = form.Member(slot);
        if (!member)
            continue;
        member->Id = NewPlayerId(*process.SessionDb);
        // Members start with the experience of the adventure's start level.
        if (data.StartLvl > 1 && member->level < data.StartLvl) {
            member->experience = ExperienceTable[std::min(data.StartLvl - 1, 18) - 1];
            RefreshMemberPanel(slot);
        }
    }
    CreateOptions();
    form.EffectsManager = std::make_unique<TEffectsManager>();
    form.LocationManager = std::make_unique<TLocationManager>();
    EnterLocation(data.StartID);
}

void TGameClient::EnterLocation(int64_t locationId)
{
    TForm1& form = Form;
    if (!form.LocationManager || SessionClosed)
        return;
    // The destination is loaded before anything changes: a place that is missing
    // (its load says so) or cannot be loaded refuses the move, and the party
    // stays where it was with its exits.
    TLocation* location;
    try {
        location = form.LocationManager->GetLocation(locationId);
    } catch (const std::exception& error) {
        Host().MessageDlg("The location " + std::to_string(locationId) + " cannot be entered: " + error.what(),
                          TMsgDlgType::Error, mbOK);
        return;
    }
    if (!location)
        return;
    const int32_t previousArea = CurrentLocation ? CurrentLocation->AreaId : -1;
    form.RichEdit1.Clear();
    if (Options)
        Options->ClearAll();
    CurrentLocation = location;
    // A script that moves the party on may have put another location into this
    // pool slot, so after the scripts the place is known by its id.
    const int64_t id = location->Id;
    auto stillHere = [this, id] { return CurrentLocation && CurrentLocation->Id == id; };
    if (location->Visited) {
        location->ShowArrivalText();
        if (RunLocationScript(seOnEnter) != 0 && stillHere()) {
            AppendText("");
            CurrentLocation->ShowContents();
        }
    } else {
        location->ShowArrivalText();
        int32_t result = RunLocationScript(seOnFirstEnter);
        if (result == -1 && stillHere())
            result = RunLocationScript(seOnEnter);
        if (result != 0 && stillHere())
            CurrentLocation->ShowContents();
        if (Process().SessionDb)
            Process().SessionDb->Execute("update locations set visited = 1 where id = " + std::to_string(id));
        if (TLocation* entered = Form.LocationManager ? Form.LocationManager->LoadedLocation(id) : nullptr)
            entered->Visited = true;
    }
    RefreshExitButtons();
    ShowOnAreaMap();
    AutosaveOnNewArea(previousArea);
}

void TGameClient::ShowOnAreaMap()
{
    if (!CurrentLocation)
        return;
    TMapArea& map = AreaMap();
    if (CurrentLocation->AreaId != map.AreaId) {
        map.SaveArea(map.AreaId);
        map.LoadArea(CurrentLocation->AreaId);
    }
    if (TMapCell* cell = map.CellOf(*CurrentLocation))
        cell->Draw = true;
    // The mini map draws again.
    ++Form.Control("Grid").Tag;
}

void TGameClient::TakeExit(int64_t destination, const std::function<void(const std::string&)>& refuse,
                           const char* inCombat)
{
    // The exit script runs first, so it may react even to a refused move.
    TScriptParam param;
    param.Value = destination;
    if (RunLocationScript(seOnExit, param) == 0)
        return;
    if (Form.InCombat)
        refuse(inCombat);
    else
        EnterLocation(destination);
}

void TGameClient::MoveThroughExit(int64_t destination)
{
    if (!BookOpen() || !CurrentLocation)
        return;
    if (AnyMemberUnableToAct(Form)) {
        AppendText("One of your party members cannot move.");
        return;
    }
    TakeExit(destination, [](const std::string& text) { AppendText(text); }, "You cannot leave while in combat.");
}

void TGameClient::ChooseExit()
{
    if (!BookOpen() || !CurrentLocation)
        return;
    if (AnyMemberUnableToAct(Form)) {
        AppendText("One of your party members cannot move.");
        return;
    }
    if (Options && Options->ShownCount() > 0) {
        AppendText("You cannot leave while there are choices.");
        return;
    }
    std::vector<std::string> names;
    std::vector<int64_t> destinations;
    for (const TLocationExit& exit : CurrentLocation->Exits)
        if (exit.ExitId >= 1) {
            names.push_back(exit.Name);
            destinations.push_back(exit.ExitId);
        }
    const int picked = ChooseFromPlainList(names);
    if (picked < 0 || picked >= static_cast<int>(destinations.size()) || !CurrentLocation)
        return;
    TakeExit(destinations[picked], [](const std::string& text) { AppendText(text); },
             "You cannot leave in the middle of combat.");
}

void TGameClient::MoveInDirection(int orientation)
{
    if (!BookOpen())
        return;
    // Away from the main tab the refusals come as boxes, since the pane is hidden.
    const bool onMainTab = Form.Control("PageControl1").ItemIndex == 0;
    auto refuse = [onMainTab](const std::string& text) {
        if (onMainTab)
            AppendText(text);
        else
            Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
    };
    if (AnyMemberUnableToAct(Form)) {
        refuse("One of your party members cannot move.");
        return;
    }
    if (Options && Options->ShownCount() > 0) {
        refuse("You cannot leave while there are choices.");
        return;
    }
    if (!CurrentLocation)
        return;
    // Exits that lead nowhere are ignored everywhere.
    for (const TLocationExit& exit : CurrentLocation->Exits)
        if (exit.Orientation == orientation && exit.ExitId >= 1) {
            TakeExit(exit.ExitId, refuse, "You cannot leave a location in the middle of battle.");
            return;
        }
}

void TGameClient::LevelUpMember(int slot)
{
    TPlayer* member = Form.Member(slot);
    if (!member)
        return;
    if (Form.EffectsManager && Form.EffectsManager->HasEffects(member->Id)) {
        Host().MessageDlg("Not while there are timed effects", TMsgDlgType::Information, mbOK);
        // The button was switched off on the click; the member may still level up later.
        RefreshMemberPanel(slot);
        return;
    }
    // What the level-up changes goes into the permanent record as well.
    const TBaseRecord before = member->CurrentRecord();
    TCharGen generator(*member);
    generator.PrepareLevelUp();
    generator.Run();
    const TBaseRecord after = member->CurrentRecord();
    TBaseRecord& base = member->Base;
    auto add = [](auto& into, const auto& now, const auto& was) {
        for (size_t index = 0; index < into.size(); ++index)
            into[index] += now[index] - was[index];
    };
    base.end_max += after.end_max - before.end_max;
    base.mana_max += after.mana_max - before.mana_max;
    add(base.Abilities, after.Abilities, before.Abilities);
    add(base.Resistances, after.Resistances, before.Resistances);
    add(base.AttackMod, after.AttackMod, before.AttackMod);
    add(base.DamageMod, after.DamageMod, before.DamageMod);
    add(base.Armor, after.Armor, before.Armor);
    base.attack_roll = member->attack_roll;
    base.delay = member->delay;
    RefreshMemberPanel(slot);
}

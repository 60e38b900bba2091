// What the main window does with the player's clicks, keys and menus, and its
// start-up and options.
#include <algorithm>
#include <filesystem>

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/Manual.h"
#include "app/PartyForm.h"
#include "app/ProgramFolder.h"
#include "data/DataManager.h"
#include "data/Picture.h"
#include "platform/Host.h"
#include "platform/Keys.h"
#include "platform/Settings.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/ItemUse.h"
#include "rules/ShopSession.h"
#include "rules/SkillUse.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRegistry.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "session/Tips.h"
#include "world/Location.h"
#include "world/LocationActions.h"

namespace {

const char* const MainKey = "\\Software\\Vellumora";
const char* const OptionsKey = "\\Software\\Vellumora\\CindervaleOptions";


// Keys and the exit orientation they take.
struct TKeyDirection {
    int Key;
    int Orientation;
};
const TKeyDirection KeyDirections[] = {
    {VK_UP, 1},       {VK_NUMPAD8, 1}, {VK_RIGHT, 2},    {VK_NUMPAD6, 2},      {VK_DOWN, 3},    {VK_NUMPAD2, 3},
    {VK_LEFT, 4},     {VK_NUMPAD4, 4}, {VK_NUMPAD9, 5},  {VK_NUMPAD7, 6},      {VK_NUMPAD3, 7}, {VK_NUMPAD1, 8},
    {VK_ADD, 9},      {VK_SUBTRACT, 10}, {VK_NUMPAD5, 11}, {VK_NUMPAD0, 12},
};

} // namespace

void TForm1::WireHandlers()
{
    for (const TActionButton& button : CompassButtons)
        Control(button.Name).OnClick = [this](const std::string& sender) {
            GameClient().MoveThroughExit(Control(sender).Tag);
        };
    Control("MainGoBtn").OnClick = [](const std::string&) { GameClient().ChooseExit(); };
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        Control("RadioButton" + std::to_string(slot)).OnClick = [this](const std::string& sender) {
            const int selected = static_cast<int>(Control(sender).Tag);
            Process().SelectedMember = selected;
            if (const TPlayer* member = Member(selected))
                for (int quick = 1; quick <= QuickSlotCount; ++quick)
                    Control("BtnQuick" + std::to_string(quick)).Caption =
                        ItemDisplayName(member->QuickSlots[quick - 1].get());
            // Trading, the sell list follows the member.
            if (GameClient().Trading && Control("BtnSell").Enabled && ShopSession)
                ShopSession->ListSellable(selected);
        };
        WireMemberTab(slot);
        Control("RadioButton" + std::to_string(slot)).OnDblClick = [this](const std::string&) { AttackBtnClick(); };
        Control("BtnLevelUp" + std::to_string(slot)).OnClick = [this](const std::string& sender) {
            Control(sender).Enabled = false;
            GameClient().LevelUpMember(static_cast<int>(Control(sender).Tag));
        };
    }
    WireJournalTab();
    WireMiniMap();
    Control("ComboMapTitle").OnChange = [this](const std::string& sender) {
        GameClient().ShowMapPicture(Control(sender).ItemIndex);
    };
    Control("BtnGet").OnClick = BtnGetClick;
    Control("BtnLook").OnClick = BtnLookClick;
    Control("BtnPickup").OnClick = BtnPickupClick;
    Control("BtnContents").OnClick = BtnContentsClick;
    Control("BtnOpen").OnClick = BtnOpenClick;
    Control("BtnTalk").OnClick = BtnTalkClick;
    Control("BtnUnlock").OnClick = BtnUnlockClick;
    Control("BtnUse").OnClick = BtnUseClick;
    Control("BtnExamine").OnClick = BtnExamineClick;
    Control("BtnRest").OnClick = BtnRestClick;
    Control("BtnParty").OnClick = [this](const std::string&) {
        if (!BookOpen() || !GameClient().CurrentLocation)
            return;
        TFrmParty party;
        party.PrepareSlots();
        Host().ShowModal(party);
    };
    Control("BtnBuy").OnClick = [this](const std::string&) { BtnBuyClick(); };
    Control("BtnSell").OnClick = [this](const std::string&) { BtnSellClick(); };
    Control("BtnInfo").OnClick = [this](const std::string&) { BtnInfoClick(); };
    Control("AttackBtn").OnClick = [this](const std::string&) { AttackBtnClick(); };
    Control("BtnUseItem").OnClick = [this](const std::string&) { UseSpecialClick(); };
    Control("BtnUseSkill").OnClick = [this](const std::string&) { UseSkillClick(); };
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        Control("BtnQuick" + std::to_string(quick)).OnClick = [this, quick](const std::string&) {
            QuickButtonClick(quick);
        };
    Control("StopAttackingBtn").OnClick = [this](const std::string&) {
        if (CombatSession && Member(Process().SelectedMember))
            CombatSession->StopAttacking();
    };
    for (const char* item : {"StartGame", "Continue", "CloseBook", "SaveGame", "LoadGame", "QuickSave", "QuickLoad",
                             "Exit", "AdventureDetails", "TurnBasedCombat", "Smaller", "Larger", "Help", "WebSite",
                             "About"})
        Control(item).OnClick = [this](const std::string& sender) { Menu(sender); };
}

void TForm1::Menu(const std::string& name)
{
    TGameClient& client = GameClient();
    if (name == "StartGame") {
        client.StartNewGame();
    } else if (name == "CloseBook") {
        if (client.QuerySaveBeforeClosing("Save before closing?"))
            client.CloseBook();
    } else if (name == "SaveGame") {
        client.SaveBookmark();
    } else if (name == "LoadGame") {
        client.LoadBookmark();
    } else if (name == "QuickSave") {
        client.SaveBookmark(TGameClient::TSaveKind::Quick);
    } else if (name == "QuickLoad") {
        client.QuickLoad();
    } else if (name == "Continue") {
        client.ContinueGame();
    } else if (name == "Exit") {
        if (client.QuerySaveBeforeClosing("Save before closing?")) {
            client.CloseBook();
            ExitRequested = true;
        }
    } else if (name == "AdventureDetails") {
        if (BookOpen() && DataManager)
            DataManager->ShowAdventureDetails();
        else
            Host().MessageDlg("No adventure is open.", TMsgDlgType::Information, mbOK);
    } else if (name == "TurnBasedCombat") {
        if (!InCombat) {
            TurnBasedCombat = !TurnBasedCombat;
            Control("TurnBasedCombat").Checked = TurnBasedCombat;
        }
    } else if (name == "Smaller" || name == "Larger") {
        RichEdit1.DefaultFont.Size =
            std::clamp(RichEdit1.DefaultFont.Size + (name == "Larger" ? 1 : -1), MinFontSize, MaxFontSize);
    } else if (name == "Help") {
        const std::string manual = ManualFile(Process().AppDir);
        if (!Host().ShellOpen(manual, Process().AppDir))
            Host().MessageDlg("The manual could not be opened: " + manual, TMsgDlgType::Information, mbOK);
    } else if (name == "WebSite") {
        Host().ShellOpen(ProductWebSite, Process().AppDir);
    } else if (name == "About") {
        TFrmAbout about;
        Host().ShowModal(about);
    }
}

TPlayer* TForm1::ActingMember()
{
    const int selected = Process().SelectedMember;
    const TGameClient& client = GameClient();
    // While a member picks a target every other action waits: the pick may be
    // the one that starts the fight.
    if (!BookOpen() || !Member(selected) || !Control("RadioButton" + std::to_string(selected)).Enabled ||
        (client.Options && client.Options->ShownCount() > 0))
        return nullptr;
    return Member(selected);
}

void TForm1::AttackBtnClick()
{
    if (!ActingMember())
        return;
    if (!CombatSession)
        CombatSession = TCombatSession::Create(TurnBasedCombat);
    const std::shared_ptr<TCombatSession> session = CombatSession;
    session->PlayerAttack();
    if (CombatSession == session && !session->Running())
        EndCombat();
}

void TForm1::UseSpecialClick()
{
    TPlayer* member = ActingMember();
    if (!member)
        return;
    std::vector<std::string> names;
    std::vector<std::pair<int, const TItem*>> worn;
    for (int slot = 0; slot < BodySlotCount; ++slot) {
        // A two-handed weapon fills both hands and is listed once.
        const TItem* item = member->BodySlots[slot].get();
        if (item && item->Id != 0 && !item->SpecialUses.empty() && item->used_if_on) {
            names.push_back(ItemDisplayName(item));
            worn.emplace_back(slot, item);
        }
    }
    const int picked = GameClient().ChooseFromList(names);
    if (picked < 0 || static_cast<size_t>(picked) >= worn.size())
        return;
    // The member, or what it wears, may have changed during the choice.
    const auto [slot, item] = worn[picked];
    if (SlotOf(member) && member->BodySlots[slot].get() == item)
        UseBodyItem(*member, slot);
}

void TForm1::UseSkillClick()
{
    TPlayer* member = ActingMember();
    if (!member)
        return;
    std::vector<std::string> names;
    for (const SkillEntry& skill : member->Skills)
        if (!skill.skill_name.empty())
            names.push_back(skill.skill_name);
    const int picked = GameClient().ChooseFromList(names);
    // The member may have left the party during the choice.
    if (picked >= 0 && static_cast<size_t>(picked) < names.size() && SlotOf(member))
        UseSkill(*member, names[picked]);
}

void TForm1::QuickButtonClick(int quickSlot)
{
    TPlayer* member = ActingMember();
    if (!member)
        return;
    UseQuickItem(*member, quickSlot);
    if (Member(Process().SelectedMember) == member)
        Control("BtnQuick" + std::to_string(quickSlot)).Caption = ItemDisplayName(member->QuickSlots[quickSlot - 1].get());
}

void TForm1::NextTurnKey()
{
    const TGameClient& client = GameClient();
    if (!InCombat || !TurnBasedCombat || !CombatSession || (client.Options && client.Options->ShownCount() > 0))
        return;
    const int selected = Process().SelectedMember;
    TControlState& radio = Control("RadioButton" + std::to_string(selected));
    if (radio.Enabled && Member(selected)) {
        radio.Enabled = false;
        GameClient().EnableMemberPanel(selected, false);
    }
    if (CombatSession->Ready)
        CombatSession->NextTurn();
}

void TForm1::BtnBuyClick()
{
    const int selected = Process().SelectedMember;
    const TPlayer* member = Member(selected);
    if (!ShopSession || !member || Control("ShopList").ItemIndex < 0)
        return;
    if (member->FirstFreeBackpackSlot())
        ShopSession->Buy(selected);
    else
        Host().MessageDlg("Backpack is full.", TMsgDlgType::Information, mbOK);
}

void TForm1::BtnSellClick()
{
    const int selected = Process().SelectedMember;
    if (ShopSession && Member(selected) && Control("ShopList").ItemIndex >= 0)
        ShopSession->Sell(selected);
}

void TForm1::BtnInfoClick()
{
    if (ShopSession && Control("ShopList").ItemIndex >= 0 && Control("BtnBuy").Enabled)
        ShopSession->ShowInfo();
}

void TForm1::CommandLine()
{
    std::string text;
    if (!Host().InputQuery("Command Line", "Command:", text))
        return;
    TGameClient& client = GameClient();
    if (!text.empty() && client.CurrentLocation) {
        TScriptParam param;
        param.Text = text;
        if (RunScriptOnce(seOnCommandLine, Member(Process().SelectedMember), param, nullptr, nullptr,
                          client.CurrentLocation->ScriptId) == -1)
            AppendText("Nothing happened");
    }
    if (text == "lanternfog")
        Cmd().GiveItem(27000217);
    else if (text == "bramby")
        Cmd().GiveItem(27000218);
}

void TForm1::KeyUp(int key)
{
    if (!BookOpen())
        return;
    TGameClient& client = GameClient();
    if (key == VK_RETURN) {
        if (client.Options && client.Options->ShownCount() == 1)
            Click("LblChoice1");
        return;
    }
    if (key == VK_SPACE) {
        CommandLine();
        return;
    }
    if (key == KeyOfLetter('N')) {
        NextTurnKey();
        return;
    }
    for (const TKeyDirection& direction : KeyDirections)
        if (direction.Key == key) {
            client.MoveInDirection(direction.Orientation);
            return;
        }
}

bool TForm1::CloseQuery()
{
    TGameClient& client = GameClient();
    if (client.Trading) {
        Host().MessageDlg("You must finish trading first", TMsgDlgType::Information, mbOK);
        return false;
    }
    if (client.Options && client.Options->ShownCount() > 0) {
        Host().MessageDlg("You cannot exit while there are options", TMsgDlgType::Information, mbOK);
        return false;
    }
    if (!client.QuerySaveBeforeClosing("Save before closing?"))
        return false;
    client.CloseBook();
    return true;
}

void TForm1::ShowProgramLogo()
{
    Control("Image").Picture = LoadPictureFile((std::filesystem::path(Process().AppDir) / "logo.jpg").string());
}

void TForm1::FormCreate()
{
    TProcess& process = Process();
    TGameClient& client = GameClient();
    process.SelectedMember = 1;
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        Control("BtnQuick" + std::to_string(quick)).Caption = Control("Quick" + std::to_string(quick) + "_1").Caption;
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        Party[slot - 1].reset();
        client.ClearMemberPanel(slot);
        client.EnableMemberPanel(slot, false);
    }
    InCombat = false;
    process.GameDir.clear();
    Caption = "Vellumora Engine 1.6";

    TSettings& settings = Host().Settings();
    settings.CreateKey(MainKey);
    settings.CreateKey(OptionsKey);
    std::string folder = settings.ReadString(MainKey, "CindervaleDir");
    if (folder.empty()) {
        // A first start remembers where it found an adventure.
        std::error_code error;
        folder = std::filesystem::current_path(error).string();
        if (const auto fallback = FallbackProgramFolder(); fallback && !HoldsAdventure(folder))
            folder = *fallback;
        settings.WriteString(MainKey, "CindervaleDir", folder);
        settings.WriteString(MainKey, "CindervaleVersion", "1.0");
    } else if (!HoldsAdventure(folder)) {
        // The remembered folder stays remembered: it may only be away for now.
        if (const auto fallback = FallbackProgramFolder()) {
            AppendText("The program folder " + folder + " holds no adventure; the one in " + *fallback + " is used.");
            folder = *fallback;
        }
    }
    process.AppDir = PlayingFolder(folder, UserDataFolder());
    ShowSettingsSaveError();
    TurnBasedCombat = settings.ReadBool(OptionsKey, "TurnBasedCombat", false);
    Control("TurnBasedCombat").Checked = TurnBasedCombat;
    RichEdit1.DefaultFont.Size =
        std::clamp(settings.ReadInteger(OptionsKey, "FontSize", RichEdit1.DefaultFont.Size), MinFontSize, MaxFontSize);
    ShowProgramLogo();
    ShowJournalPicture();
}

void TForm1::ShowJournalPicture()
{
    Control("ImgJournal").Picture =
        LoadPictureFile((std::filesystem::path(Process().AppDir) / "newjournal.bmp").string());
}

void TForm1::FormShow()
{
    AppendText("~<c:YELLOW;s:14>TIP~<>");
    AppendText("");
    AppendText(Tips[Process().Random.Random(static_cast<int>(Tips.size()))]);
}

void TForm1::FormDestroy()
{
    TSettings& settings = Host().Settings();
    settings.WriteBool(OptionsKey, "TurnBasedCombat", TurnBasedCombat);
    settings.WriteInteger(OptionsKey, "FontSize", RichEdit1.DefaultFont.Size);
    ShowSettingsSaveError();
}

void TForm1::ShowSettingsSaveError()
{
    if (const std::string error = Host().Settings().TakeUnshownSaveError(); !error.empty())
        Host().MessageDlg("The settings cannot be saved: " + error, TMsgDlgType::Warning, mbOK);
}

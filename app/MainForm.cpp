#include "app/MainForm.h"

#include "data/DataManager.h"
#include "platform/Keys.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "world/LocationManager.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"

const std::array<TBodySlotControl, 12> BodySlotControls = {{
    {"Head", "Head"},
    {"Neck", "Neck"},
    {"Torso", "Armor/Robes"},
    {"ForeArms", "Gauntlets/Gloves/Bracers"},
    {"Waist", "Waist"},
    {"RWrist", "Right Wrist"},
    {"LWrist", "Left Wrist"},
    {"RHand", "Right Hand"},
    {"LHand", "Left Hand"},
    {"RRing", "Right Ring"},
    {"LRing", "Left Ring"},
    {"Feet", "Feet"},
}};

const std::array<TActionButton, 15> ActionButtons = {{
    {"BtnExamine", "Examine"},
    {"BtnOpen", "Open"},
    {"BtnLook", "Look"},
    {"BtnContents", "Contents"},
    {"BtnPickup", "Pick up"},
    {"AttackBtn", "Attack"},
    {"BtnUseSkill", "Use Skill"},
    {"StopAttackingBtn", "Stop"},
    {"BtnUseItem", "Use Special"},
    {"BtnGet", "Loot"},
    {"BtnUse", "Use"},
    {"BtnUnlock", "Unlock"},
    {"BtnTalk", "Talk to"},
    {"BtnRest", "Rest"},
    {"BtnParty", "Party"},
}};

const std::array<TActionButton, 12> CompassButtons = {{
    {"BtnN", "N"},
    {"BtnE", "E"},
    {"BtnS", "S"},
    {"BtnW", "W"},
    {"BtnNE", "NE"},
    {"BtnNW", "NW"},
    {"BtnSE", "SE"},
    {"BtnSW", "SW"},
    {"BtnUP", "UP"},
    {"BtnDOWN", "DOWN"},
    {"BtnIN", "IN"},
    {"BtnOUT", "OUT"},
}};

namespace {

std::string Slot(const std::string& stem, int slot)
{
    return stem + std::to_string(slot);
}

} // namespace

TForm1::TForm1() : TFormModel("Form1", "Vellumora Engine 1.6")
{
    Add("PageControl1", TControlKind::PageControl);
    CreateMainTab();
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        CreateMemberTab(slot);
    CreateMapTab();
    CreateJournalTab();
    CreateMenus();
    CreateBackpackMenu();
    Add("StatusBar1", TControlKind::StatusBar);

    auto& pages = Control("PageControl1");
    pages.Items = {"Main"};
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        pages.Items.push_back("Character " + std::to_string(slot));
    pages.Items.push_back("Map");
    pages.Items.push_back("Journal");
    pages.ItemIndex = 0;
    WireHandlers();
}

TForm1::~TForm1() = default;

void TForm1::CreateMainTab()
{
    Add("TabSheet1", TControlKind::TabSheet, "PageControl1").Caption = "Main";
    Add("Image", TControlKind::Image, "TabSheet1");
    Add("RichEdit1", TControlKind::RichEdit, "TabSheet1");

    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        auto& radio = Add(Slot("RadioButton", slot), TControlKind::RadioButton, "TabSheet1");
        radio.Caption = "Character " + std::to_string(slot);
        radio.Tag = slot;
        radio.Enabled = false;
        Add(Slot("MainGraphHP", slot), TControlKind::Gauge, "TabSheet1").Max = 0;
        Add(Slot("MainGraphMP", slot), TControlKind::Gauge, "TabSheet1").Max = 0;
    }

    Add("PanelButtons", TControlKind::Panel, "TabSheet1");
    for (int quick = 1; quick <= 3; ++quick)
        Add(Slot("BtnQuick", quick), TControlKind::Button, "PanelButtons");
    for (const TActionButton& button : ActionButtons)
        Add(button.Name, TControlKind::Button, "PanelButtons").Caption = button.Caption;
    for (size_t index = 0; index < CompassButtons.size(); ++index) {
        auto& button = Add(CompassButtons[index].Name, TControlKind::Button, "PanelButtons");
        button.Caption = CompassButtons[index].Caption;
        button.Enabled = false;
    }
    Add("MainGoBtn", TControlKind::Button, "PanelButtons").Caption = "All Exits";

    auto& box = Add("ScrollBox1", TControlKind::ScrollBox, "TabSheet1");
    box.Visible = false;
    auto& first = Add("LblChoice1", TControlKind::Label, "ScrollBox1");
    first.Tag = 1;
    first.OnClick = [this](const std::string& sender) { LblChoiceClick(sender); };
    first.OnMouseEnter = [this](const std::string& sender) { LblChoiceColor(sender, clRed); };
    first.OnMouseLeave = [this](const std::string& sender) { LblChoiceColor(sender, clBlack); };
    first.OnMouseDown = [this](const std::string& sender) { LblChoiceColor(sender, clBlue); };
    first.OnMouseUp = [this](const std::string& sender) { LblChoiceColor(sender, clRed); };

    Add("PanelShop", TControlKind::Panel, "TabSheet1").Visible = false;
    Add("LblShopName", TControlKind::Label, "PanelShop");
    Add("ShopList", TControlKind::ListBox, "PanelShop");
    Add("BtnBuy", TControlKind::Button, "PanelShop").Caption = "BUY";
    Add("BtnSell", TControlKind::Button, "PanelShop").Caption = "SELL";
    Add("BtnInfo", TControlKind::Button, "PanelShop").Caption = "INFO";

    Add("PanelMap", TControlKind::Panel, "TabSheet1");
    Add("Grid", TControlKind::DrawGrid, "PanelMap");
}

void TForm1::CreateMemberTab(int slot)
{
    const std::string tab = Slot("TabSheet", slot + 1);
    Add(tab, TControlKind::TabSheet, "PageControl1").Caption = "Character " + std::to_string(slot);

    for (const char* stem : {"Level", "Experience", "NextLevel", "Gold"})
        Add(Slot(stem, slot), TControlKind::Label, tab).Caption = "0";
    Add(Slot("GraphHP", slot), TControlKind::Gauge, tab).Max = 0;
    Add("HP" + std::to_string(slot) + "MAX", TControlKind::Label, tab).Caption = "(0)";
    Add(Slot("HP", slot), TControlKind::Label, tab).Caption = "(0)";
    Add(Slot("GraphMP", slot), TControlKind::Gauge, tab).Max = 0;
    Add("MP" + std::to_string(slot) + "MAX", TControlKind::Label, tab).Caption = "(0)";
    Add(Slot("MP", slot), TControlKind::Label, tab).Caption = "(0)";

    static const char* const ArmorCaptions[] = {"MELEE", "MISSILE", "WIZARD", "PRIEST"};
    for (int armor = 1; armor <= 4; ++armor) {
        auto& label = Add("Armor" + std::to_string(armor) + "_" + std::to_string(slot), TControlKind::Label, tab);
        label.Caption = "0";
        label.Hint = ArmorCaptions[armor - 1];
    }

    const std::string abilities = Slot("GroupAbilities", slot);
    Add(abilities, TControlKind::GroupBox, tab).Caption = "A b i l i t i e s";
    for (const char* stem : {"Strength", "Dexterity", "MindPower", "Faith", "Constitution"})
        Add(Slot(stem, slot), TControlKind::Label, abilities).Caption = "0";

    Add(Slot("Image", slot), TControlKind::Image, tab);
    auto& levelUp = Add(Slot("BtnLevelUp", slot), TControlKind::Button, tab);
    levelUp.Caption = "Level Up";
    levelUp.Tag = slot;
    levelUp.Enabled = false;
    auto& stats = Add(Slot("BtnStats", slot), TControlKind::Button, tab);
    stats.Caption = "Stats";
    stats.Tag = slot;

    const std::string backpack = Slot("GroupBackpack", slot);
    Add(backpack, TControlKind::GroupBox, tab).Caption = "Backpack";
    for (int item = 1; item <= 15; ++item) {
        const std::string number = (item < 10 ? "0" : "") + std::to_string(item);
        Add("Item" + number + "_" + std::to_string(slot), TControlKind::Label, backpack).Caption = "EMPTY";
    }

    const std::string quick = Slot("GroupQuick", slot);
    Add(quick, TControlKind::GroupBox, tab).Caption = "Quick Items";
    for (int item = 1; item <= 3; ++item)
        Add("Quick" + std::to_string(item) + "_" + std::to_string(slot), TControlKind::Label, quick).Caption = "EMPTY";

    for (const TBodySlotControl& body : BodySlotControls) {
        const std::string group = "Group" + std::string(body.Stem) + std::to_string(slot);
        Add(group, TControlKind::GroupBox, tab).Caption = body.Caption;
        auto& list = Add(Slot(body.Stem, slot), TControlKind::ComboBox, group);
        list.Items = {"EMPTY"};
        list.ItemIndex = 0;
    }
}

void TForm1::CreateMapTab()
{
    Add("MapTab", TControlKind::TabSheet, "PageControl1").Caption = "Map";
    Add("ScrollBox2", TControlKind::ScrollBox, "MapTab");
    // The area picture with its markers drawn on it.
    Add("ImgMap", TControlKind::Image, "ScrollBox2");
    Add("ComboMapTitle", TControlKind::ComboBox, "MapTab");
}

void TForm1::CreateJournalTab()
{
    Add("DiaryTab", TControlKind::TabSheet, "PageControl1").Caption = "Journal";
    Add("PanelJournal", TControlKind::Panel, "DiaryTab");
    Add("ImgJournal", TControlKind::Image, "PanelJournal");
    Add("PaintBox1", TControlKind::PaintBox, "PanelJournal");
    Add("PaintBox2", TControlKind::PaintBox, "PanelJournal");
    Add("LblPageLeft", TControlKind::Label, "PanelJournal");
    Add("LblPageRight", TControlKind::Label, "PanelJournal");
    Add("ImgBtn1", TControlKind::Image, "PanelJournal");
    Add("ImgBtn2", TControlKind::Image, "PanelJournal");
    for (const char* name : {"LblJournal", "LblQuests"}) {
        auto& label = Add(name, TControlKind::Label, "PanelJournal");
        label.Cursor = TCursor::HandPoint;
    }
    Control("LblJournal").Caption = "Journal";
    Control("LblQuests").Caption = "Quests";
}

void TForm1::CreateMenus()
{
    struct TMenuEntry {
        const char* Name;
        const char* Caption;
        const char* Parent;
    };
    static const TMenuEntry Entries[] = {
        {"MenuFile", "File", ""},
        {"StartGame", "Start Game", "MenuFile"},
        {"Continue", "Continue", "MenuFile"},
        {"CloseBook", "Quit Game", "MenuFile"},
        {"SaveGame", "Save Game", "MenuFile"},
        {"LoadGame", "Load Game", "MenuFile"},
        {"QuickSave", "Quick Save", "MenuFile"},
        {"QuickLoad", "Quick Load", "MenuFile"},
        {"N1", "-", "MenuFile"},
        {"Exit", "Exit", "MenuFile"},
        {"MenuView", "View", ""},
        {"AdventureDetails", "Adventure Details", "MenuView"},
        {"MenuOptions", "Options", ""},
        {"TurnBasedCombat", "Turn Based Combat", "MenuOptions"},
        {"FontSize", "Font Size", "MenuOptions"},
        {"Smaller", "Smaller", "FontSize"},
        {"Larger", "Larger", "FontSize"},
        {"MenuHelp", "Help", ""},
        {"Help", "Help", "MenuHelp"},
        {"WebSite", "Web Site", "MenuHelp"},
        {"About", "About...", "MenuHelp"},
    };
    for (const TMenuEntry& entry : Entries) {
        const bool top = entry.Parent[0] == '\0';
        Add(entry.Name, top ? TControlKind::Menu : TControlKind::MenuItem, entry.Parent).Caption = entry.Caption;
    }
    Control("Larger").Tag = 1;
}

TPlayer* TForm1::Member(int slot) const
{
    return slot >= 1 && slot <= MaxPartySize ? Party[slot - 1].get() : nullptr;
}

int TForm1::SlotOf(const TCreature* creature) const
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (creature && Party[slot - 1].get() == creature)
            return slot;
    return 0;
}

void TForm1::LblChoiceClick(const std::string& sender)
{
    TGameClient& client = GameClient();
    client.ChoiceResult = static_cast<int32_t>(Control(sender).Tag);
    if (client.Options)
        client.Options->StoreSelection();
}

void TForm1::LblChoiceColor(const std::string& sender, TColor color)
{
    Control(sender).FontColor = color;
}

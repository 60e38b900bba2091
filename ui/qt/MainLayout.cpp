#include "ui/qt/MainLayout.h"

#include <map>

#include "app/MainForm.h"

namespace {

using TPlaces = std::map<std::string, QRect>;

std::string Slotted(const std::string& stem, int slot)
{
    return stem + std::to_string(slot);
}

std::string TwoDigits(int number)
{
    return (number < 10 ? "0" : "") + std::to_string(number);
}

// The main tab: the picture top left with the party under it and the small map
// below; the output pane on the right with the play controls under it, where
// the choice box takes their place.
void AddMainTab(TPlaces& places)
{
    places["Image"] = {4, 4, 250, 88};
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        const int top = 96 + (slot - 1) * 30;
        places[Slotted("RadioButton", slot)] = {4, top, 250, 18};
        places[Slotted("MainGraphHP", slot)] = {6, top + 19, 246, 4};
        places[Slotted("MainGraphMP", slot)] = {6, top + 24, 246, 4};
    }
    places["PanelMap"] = {4, 280, 250, 192};
    places["Grid"] = {2, 2, 246, 188};
    places["PanelShop"] = {4, 280, 250, 192};
    places["LblShopName"] = {6, 4, 238, 16};
    places["ShopList"] = {6, 22, 238, 136};
    places["BtnBuy"] = {6, 162, 76, 24};
    places["BtnSell"] = {87, 162, 76, 24};
    places["BtnInfo"] = {168, 162, 76, 24};

    places["RichEdit1"] = {260, 4, 520, 338};
    places["PanelButtons"] = {260, 346, 520, 126};
    places["ScrollBox1"] = {260, 346, 520, 126};
}

// The play controls: the compass rose with up, down, in and out beside it, the
// action buttons in three rows of five, the quick items along the bottom.
void AddPlayControls(TPlaces& places)
{
    struct TCompassCell {
        const char* Name;
        int Column;
        int Row;
    };
    static const TCompassCell Rose[] = {
        {"BtnNW", 0, 0}, {"BtnN", 1, 0}, {"BtnNE", 2, 0}, {"BtnW", 0, 1},
        {"BtnE", 2, 1},  {"BtnSW", 0, 2}, {"BtnS", 1, 2}, {"BtnSE", 2, 2},
    };
    for (const TCompassCell& cell : Rose)
        places[cell.Name] = {6 + cell.Column * 34, 6 + cell.Row * 28, 32, 26};
    places["BtnUP"] = {108, 6, 42, 26};
    places["BtnIN"] = {152, 6, 42, 26};
    places["MainGoBtn"] = {108, 34, 86, 26};
    places["BtnDOWN"] = {108, 62, 42, 26};
    places["BtnOUT"] = {152, 62, 42, 26};
    for (size_t index = 0; index < ActionButtons.size(); ++index) {
        const int column = static_cast<int>(index % 5);
        const int row = static_cast<int>(index / 5);
        places[ActionButtons[index].Name] = {200 + column * 63, 6 + row * 28, 60, 26};
    }
    for (int quick = 1; quick <= 3; ++quick)
        places[Slotted("BtnQuick", quick)] = {6 + (quick - 1) * 170, 94, 164, 26};
}

// A member tab in three columns: portrait, values, armour and abilities; the
// backpack and quick items; the equipment lists.
void AddMemberTab(TPlaces& places, int slot)
{
    const std::string number = std::to_string(slot);
    places[Slotted("Image", slot)] = {8, 8, 96, 96};
    places[Slotted("BtnLevelUp", slot)] = {112, 8, 156, 26};
    places[Slotted("BtnStats", slot)] = {112, 38, 156, 26};
    int row = 0;
    for (const char* stem : {"Level", "Experience", "NextLevel", "Gold"})
        places[Slotted(stem, slot)] = {100, 112 + 20 * row++, 168, 16};
    places[Slotted("GraphHP", slot)] = {100, 195, 86, 10};
    places[Slotted("HP", slot)] = {190, 192, 36, 16};
    places["HP" + number + "MAX"] = {228, 192, 40, 16};
    places[Slotted("GraphMP", slot)] = {100, 215, 86, 10};
    places[Slotted("MP", slot)] = {190, 212, 36, 16};
    places["MP" + number + "MAX"] = {228, 212, 40, 16};
    for (int armor = 1; armor <= 4; ++armor)
        places["Armor" + std::to_string(armor) + "_" + number] = {8 + (armor - 1) * 65, 260, 62, 16};
    places[Slotted("GroupAbilities", slot)] = {8, 284, 260, 118};
    row = 0;
    for (const char* stem : {"Strength", "Dexterity", "MindPower", "Faith", "Constitution"})
        places[Slotted(stem, slot)] = {124, 20 + 18 * row++, 120, 16};

    places[Slotted("GroupBackpack", slot)] = {276, 4, 250, 296};
    for (int item = 1; item <= 15; ++item)
        places["Item" + TwoDigits(item) + "_" + number] = {30, 2 + 18 * item, 212, 16};
    places[Slotted("GroupQuick", slot)] = {276, 306, 250, 80};
    for (int quick = 1; quick <= 3; ++quick)
        places["Quick" + std::to_string(quick) + "_" + number] = {10, 2 + 18 * quick, 230, 16};

    row = 0;
    for (const TBodySlotControl& body : BodySlotControls) {
        places["Group" + std::string(body.Stem) + number] = {534, 4 + 39 * row++, 246, 38};
        places[Slotted(body.Stem, slot)] = {6, 16, 234, 20};
    }
}

void AddMapAndJournal(TPlaces& places)
{
    places["ComboMapTitle"] = {8, 8, 300, 22};
    places["ScrollBox2"] = {8, 36, 768, 436};

    places["PanelJournal"] = {4, 4, 776, 468};
    places["ImgJournal"] = {8, 8, 560, 380};
    places["PaintBox1"] = {28, 24, 250, 330};
    places["PaintBox2"] = {298, 24, 250, 330};
    places["LblPageLeft"] = {36, 392, 80, 16};
    places["LblPageRight"] = {480, 392, 80, 16};
    places["ImgBtn1"] = {8, 412, 40, 40};
    places["ImgBtn2"] = {528, 412, 40, 40};
    places["LblJournal"] = {590, 24, 170, 20};
    places["LblQuests"] = {590, 52, 170, 20};
}

const TPlaces& Places()
{
    static const TPlaces places = [] {
        TPlaces table;
        AddMainTab(table);
        AddPlayControls(table);
        for (int slot = 1; slot <= MaxPartySize; ++slot)
            AddMemberTab(table, slot);
        AddMapAndJournal(table);
        return table;
    }();
    return places;
}

} // namespace

double MainWindowScale(int screenWidth)
{
    return screenWidth == 640 ? 0.75 : 1.0;
}

std::optional<QRect> MainPlace(const std::string& name)
{
    const auto found = Places().find(name);
    if (found == Places().end())
        return std::nullopt;
    return found->second;
}

std::vector<TDecoration> MemberDecorations(int slot)
{
    std::vector<TDecoration> captions;
    int row = 0;
    for (const char* text : {"Level:", "Experience:", "Next Level:", "Gold:", "Endurance:", "Mana:"})
        captions.push_back({"", text, {8, 112 + 20 * row++, 90, 16}});
    int column = 0;
    for (const char* text : {"MELEE", "MISSILE", "WIZARD", "PRIEST"})
        captions.push_back({"", text, {8 + 65 * column++, 242, 62, 16}});
    row = 0;
    for (const char* text : {"Strength", "Dexterity", "Mind Power", "Faith", "Constitution"})
        captions.push_back({Slotted("GroupAbilities", slot), text, {10, 20 + 18 * row++, 110, 16}});
    for (int item = 1; item <= 15; ++item)
        captions.push_back({Slotted("GroupBackpack", slot), QString::number(item), {8, 2 + 18 * item, 20, 16}});
    return captions;
}

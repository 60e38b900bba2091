#include "ui/console/TextViews.h"

#include "app/MainForm.h"
#include "data/SQLite.h"
#include "data/Utf8Text.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/console/ExitWords.h"
#include "ui/console/MapGrid.h"
#include "ui/console/SlotNames.h"
#include "world/AreaMap.h"
#include "world/Location.h"

namespace {

const char* const AbilityNames[AbilityCount] = {"STR", "DEX", "MND", "FTH", "CON"};

// The members asked for: every occupied slot (slot 0) or the one named.
std::vector<const TPlayer*> MembersAsked(std::ostream& out, const TForm1& form, int slot)
{
    std::vector<const TPlayer*> members;
    for (int member = 1; member <= MaxPartySize; ++member)
        if ((slot == 0 || slot == member) && form.Member(member))
            members.push_back(form.Member(member));
    if (members.empty())
        out << (slot == 0 ? "Nobody has joined the party yet.\n" : "There is no member " + std::to_string(slot) + ".\n");
    return members;
}

// An open container tells what it holds, so the take word can name it.
std::string ThingName(const TItem& item)
{
    std::string name = ItemDisplayName(&item);
    if (!item.Container || !item.Container->Open)
        return name;
    std::string held;
    for (const auto& object : item.Container->Contents)
        if (object)
            held += (held.empty() ? "" : ", ") + ItemDisplayName(object.get());
    if (item.Container->Gold > 0)
        held += (held.empty() ? "" : ", ") + std::to_string(item.Container->Gold) + "gp";
    return name + (held.empty() ? " (empty)" : " (holding " + held + ")");
}

// "[b1] Torch, [b4] Coil of Rope", or "nothing".
std::string PlaceList(const TPlayer& member, TPlaceArea area, int first, int last)
{
    std::string list;
    for (int slot = first; slot <= last; ++slot)
        if (const TItem* item = ItemIn(member, {area, slot}))
            list += (list.empty() ? "[" : ", [") + PlaceWord({area, slot}) + "] " + ThingName(*item);
    return list.empty() ? "nothing" : list;
}

} // namespace

void ShowParty(std::ostream& out, const TForm1& form, int slot)
{
    for (const TPlayer* member : MembersAsked(out, form, slot)) {
        out << form.SlotOf(member) << ". " << AsUtf8(member->Name) << ", " << AsUtf8(member->race_name) << ", level "
            << member->level << "  endurance " << member->end << "/" << member->end_max << "  mana " << member->mana
            << "/" << member->mana_max << "\n  ";
        for (int ability = 0; ability < AbilityCount; ++ability)
            out << (ability ? " " : "") << AbilityNames[ability] << " " << member->Abilities[ability];
        out << "  experience " << member->experience << "/" << member->next_level << '\n';
        // The states and running effects with their time left, as the panel's hint tells them.
        const TControlState* radio = form.Find("RadioButton" + std::to_string(form.SlotOf(member)));
        if (radio && !radio->Hint.empty())
            out << "  now: " << AsUtf8(radio->Hint) << '\n';
    }
}

void ShowInventory(std::ostream& out, const TForm1& form, int slot)
{
    for (const TPlayer* member : MembersAsked(out, form, slot))
        out << form.SlotOf(member) << ". " << AsUtf8(member->Name) << '\n'
            << "  wears: " << AsUtf8(PlaceList(*member, TPlaceArea::Body, 0, BodySlotCount - 1)) << '\n'
            << "  backpack: " << AsUtf8(PlaceList(*member, TPlaceArea::Backpack, 1, BackpackSlotCount)) << '\n'
            << "  quick items: " << AsUtf8(PlaceList(*member, TPlaceArea::Quick, 1, QuickSlotCount)) << '\n';
    if (slot == 0 && form.Member(1))
        out << "Party gold: " << GameClient().PartyGold << '\n';
}

void ShowMap(std::ostream& out)
{
    const TLocation* here = GameClient().CurrentLocation;
    if (!here) {
        out << "The party is nowhere yet.\n";
        return;
    }
    std::string area;
    if (Process().SessionDb)
        for (const auto& row :
             Process().SessionDb->Query("select name from areas where id = " + std::to_string(here->AreaId)))
            area = row->GetItem("name");
    out << "You are at " << AsUtf8(here->Name) << (area.empty() ? "" : " in " + AsUtf8(area)) << ".\n";
    out << "Ways on: " << WaysOn(*here) << ".\n";
    const auto& pictures = GameClient().MapPictures;
    if (!pictures.empty()) {
        out << "Maps found:";
        for (const std::string& picture : pictures) {
            // title=file|caption, then the markers after another bar.
            const size_t caption = picture.find('|') + 1;
            out << ' ' << AsUtf8(picture.substr(caption, picture.find('|', caption) - caption))
                << (&picture == &pictures.back() ? "" : ",");
        }
        out << '\n';
    }
    DrawMapGrid(out, AreaMap(), *here);
}

#include "ui/console/TextViews.h"

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/Utf8Text.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/console/SlotNames.h"
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

// A journal or quest entry: the text's first line is its title, the rest the body.
void ShowEntry(std::ostream& out, const TForm1& form, const std::string& textName, const std::string& title)
{
    std::vector<std::string> lines;
    if (form.DataManager)
        form.DataManager->GetTextByFile(textName, lines);
    std::string heading = title;
    if (heading.empty() && !lines.empty()) {
        heading = lines.front();
        lines.erase(lines.begin());
    }
    out << "* " << AsUtf8(heading) << '\n';
    for (const std::string& line : lines)
        out << "  " << AsUtf8(line) << '\n';
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

void ShowJournal(std::ostream& out, const TForm1& form)
{
    const auto& entries = GameClient().JournalEntries;
    if (entries.empty()) {
        out << "The journal is empty: entries are written as the adventure goes on.\n";
        return;
    }
    for (const std::string& entry : entries)
        ShowEntry(out, form, entry.substr(entry.find('=') + 1), "");
}

void ShowQuests(std::ostream& out, const TForm1& form)
{
    int completed = 0;
    int open = 0;
    for (const std::string& quest : GameClient().Quests) {
        // The value is "*" once done, otherwise the text's name with an optional "|" title.
        const std::string value = quest.substr(quest.find('=') + 1);
        if (value == "*") {
            ++completed;
            continue;
        }
        ++open;
        const size_t bar = value.find('|');
        ShowEntry(out, form, value.substr(0, bar), bar == std::string::npos ? "" : value.substr(bar + 1));
    }
    if (open == 0)
        out << "No quest is open.\n";
    if (completed > 0)
        out << completed << (completed == 1 ? " quest" : " quests") << " completed.\n";
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
    std::string exits;
    for (const TLocationExit& exit : here->Exits)
        if (exit.ExitId >= 1)
            exits += (exits.empty() ? "" : ", ") + AsUtf8(exit.Name);
    out << "Ways on: " << (exits.empty() ? "none" : exits) << ".\n";
    const auto& pictures = GameClient().MapPictures;
    if (!pictures.empty()) {
        out << "Maps found:";
        for (const std::string& picture : pictures)
            out << ' ' << AsUtf8(picture.substr(picture.find('|') + 1)) << (&picture == &pictures.back() ? "" : ",");
        out << '\n';
    }
}

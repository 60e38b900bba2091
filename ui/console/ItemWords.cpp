#include "ui/console/ItemWords.h"

#include <cctype>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/Utf8Text.h"
#include "rules/ContainerUse.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/console/SlotNames.h"
#include "world/Location.h"

namespace {

using TLines = std::vector<TFormLine>;

// The places a word reaches.
enum class TReach { Backpack, Carried, Worn };

enum class TVerb { Wear, Remove, Give, Menu, Put, Take, Move };

struct TItemWord {
    const char* Typed;
    TVerb Verb;
    TReach Reach;
    // The backpack menu's entry, for the words that need nothing more.
    const char* MenuEntry;
    // What stands between the thing and the rest: the receiver, a container, a place.
    const char* Separator;
    const char* Usage;
};
const TItemWord ItemWords[] = {
    {"wear", TVerb::Wear, TReach::Backpack, nullptr, nullptr, "wear and a thing from the backpack: wear b3, wear jerkin."},
    {"remove", TVerb::Remove, TReach::Worn, nullptr, nullptr,
     "remove and a place or a worn thing: remove torso, remove jerkin."},
    {"give", TVerb::Give, TReach::Carried, nullptr, " to ",
     "give, a thing, to and a member: give b3 to 2, give rope to Brenna."},
    {"drop", TVerb::Menu, TReach::Carried, "DiscardItem", nullptr, "drop and a thing: drop b3, drop torch."},
    {"info", TVerb::Menu, TReach::Carried, "Info", nullptr, "info and a thing: info b3, info jerkin."},
    {"identify", TVerb::Menu, TReach::Carried, "IdentifyItem", nullptr, "identify and a thing: identify b3."},
    {"copy", TVerb::Menu, TReach::Backpack, "CopytoSpellBook1", nullptr,
     "copy and a spell scroll: copy b3, copy scroll."},
    {"put", TVerb::Put, TReach::Carried, nullptr, " in ", "put, a thing, in and a container: put torch in satchel."},
    {"take", TVerb::Take, TReach::Backpack, nullptr, " from ",
     "take, a thing, from and a container in the backpack: take torch from satchel."},
    {"move", TVerb::Move, TReach::Carried, nullptr, " to ",
     "move, a thing, to and a place: move b3 to q1, move q1 to q2."},
};

struct TActor {
    int Slot = 0;
    TPlayer* Member = nullptr;
};

struct TThing {
    TPlace Place;
    const TItem* Item = nullptr;
};

std::string NameOf(const TItem* item)
{
    return AsUtf8(ItemDisplayName(item));
}

// "in b3", "on the torso".
std::string Where(TPlace place)
{
    return (place.Area == TPlaceArea::Body ? "on the " : "in ") + PlaceWord(place);
}

bool Reaches(TReach reach, TPlaceArea area)
{
    switch (reach) {
    case TReach::Backpack:
        return area == TPlaceArea::Backpack;
    case TReach::Carried:
        return area != TPlaceArea::Body;
    case TReach::Worn:
        return area == TPlaceArea::Body;
    }
    return false;
}

const char* ReachWords(TReach reach)
{
    switch (reach) {
    case TReach::Backpack:
        return "the backpack";
    case TReach::Carried:
        return "the backpack and the quick slots";
    case TReach::Worn:
        return "what is worn";
    }
    return "";
}

// The words cut at the last separator: before and after it, or nullopt without one.
std::optional<std::pair<std::string, std::string>> Split(const std::string& words, const std::string& separator)
{
    const size_t at = words.rfind(separator);
    if (at == std::string::npos)
        return std::nullopt;
    return std::make_pair(Trim(words.substr(0, at)), Trim(words.substr(at + separator.size())));
}

// Which names the words name: those equal to them, else those they begin, else
// those with a later word they begin; all in lower case.
std::vector<size_t> NamedBy(const std::vector<std::string>& names, const std::string& words)
{
    const std::string wanted = LowerCase(Trim(words));
    if (wanted.empty())
        return {};
    for (int closeness = 0; closeness < 3; ++closeness) {
        std::vector<size_t> hits;
        for (size_t index = 0; index < names.size(); ++index) {
            const std::string name = LowerCase(names[index]);
            if (closeness == 0 ? name == wanted
                               : closeness == 1 ? name.rfind(wanted, 0) == 0 : name.find(" " + wanted) != std::string::npos)
                hits.push_back(index);
        }
        if (!hits.empty())
            return hits;
    }
    return {};
}

// The one that the hits name; alike names are one, the first of them. Different
// ones are listed to out as shown.
std::optional<size_t> OneOf(const std::vector<size_t>& hits, const std::vector<std::string>& names,
                            const std::vector<std::string>& shown, std::ostream& out)
{
    for (size_t hit : hits)
        if (names[hit] != names[hits.front()]) {
            out << "Which one:";
            for (size_t other : hits)
                out << (other == hits.front() ? " " : ", ") << shown[other];
            out << "? Name it by its place or by more of its name.\n";
            return std::nullopt;
        }
    return hits.front();
}

// The one of the names that the words name. None is said to out as none says;
// different ones are listed.
std::optional<size_t> OneNamed(const std::vector<std::string>& names, const std::string& words,
                               const std::string& none, std::ostream& out)
{
    const std::vector<size_t> hits = NamedBy(names, words);
    if (hits.empty()) {
        out << none << '\n';
        return std::nullopt;
    }
    std::vector<std::string> shown;
    for (const std::string& name : names)
        shown.push_back(AsUtf8(name));
    return OneOf(hits, names, shown, out);
}

// The member's things in the order of the member tab: backpack, quick slots, body.
std::vector<TThing> ThingsOf(const TPlayer& member)
{
    std::vector<TThing> things;
    auto add = [&](TPlaceArea area, int first, int last) {
        for (int slot = first; slot <= last; ++slot)
            if (const TItem* item = ItemIn(member, {area, slot}))
                things.push_back({{area, slot}, item});
    };
    add(TPlaceArea::Backpack, 1, BackpackSlotCount);
    add(TPlaceArea::Quick, 1, QuickSlotCount);
    add(TPlaceArea::Body, 0, BodySlotCount - 1);
    return things;
}

// The thing that the words name among the member's, within the word's reach.
std::optional<TThing> FindThing(const TActor& actor, const std::string& words, const TItemWord& word, std::ostream& out)
{
    const std::string who = AsUtf8(actor.Member->Name);
    auto outOfReach = [&](const TThing& thing) {
        out << "\"" << word.Typed << "\" works on " << ReachWords(word.Reach) << "; the " << NameOf(thing.Item)
            << " is " << Where(thing.Place) << ".\n";
    };
    if (const auto place = ParsePlaceWord(words)) {
        const TThing thing{*place, ItemIn(*actor.Member, *place)};
        if (!thing.Item)
            out << who << " has nothing " << Where(*place) << ".\n";
        else if (!Reaches(word.Reach, place->Area))
            outOfReach(thing);
        else
            return thing;
        return std::nullopt;
    }
    const std::vector<TThing> all = ThingsOf(*actor.Member);
    std::vector<TThing> within;
    for (const TThing& thing : all)
        if (Reaches(word.Reach, thing.Place.Area))
            within.push_back(thing);
    std::vector<std::string> names;
    std::vector<std::string> shown;
    for (const TThing& thing : within) {
        names.push_back(ItemDisplayName(thing.Item));
        shown.push_back(NameOf(thing.Item) + " (" + PlaceWord(thing.Place) + ")");
    }
    if (const std::vector<size_t> hits = NamedBy(names, words); !hits.empty()) {
        const auto one = OneOf(hits, names, shown, out);
        return one ? std::optional<TThing>(within[*one]) : std::nullopt;
    }
    names.clear();
    for (const TThing& thing : all)
        names.push_back(ItemDisplayName(thing.Item));
    if (const std::vector<size_t> hits = NamedBy(names, words); !hits.empty())
        outOfReach(all[hits.front()]);
    else
        out << who << " has nothing called \"" << words << "\" (inventory shows what each member has).\n";
    return std::nullopt;
}

// The selected member, or the one whose number ends the words, which then lose it.
std::optional<TActor> ActingMember(TForm1& form, std::string& words, std::ostream& out)
{
    int slot = Process().SelectedMember;
    const size_t blank = words.rfind(' ');
    if (blank != std::string::npos && words.size() == blank + 2 && isdigit(static_cast<unsigned char>(words.back()))) {
        slot = words.back() - '0';
        words = Trim(words.substr(0, blank));
    }
    TPlayer* member = form.Member(slot);
    if (!member) {
        out << "There is no member " << slot << ".\n";
        return std::nullopt;
    }
    if (!form.Control("RadioButton" + std::to_string(slot)).Enabled) {
        out << AsUtf8(member->Name) << " cannot act now.\n";
        return std::nullopt;
    }
    return TActor{slot, member};
}

std::string LabelOf(const TActor& actor, TPlace place)
{
    const std::string number = std::to_string(place.Slot);
    const std::string member = "_" + std::to_string(actor.Slot);
    if (place.Area == TPlaceArea::Quick)
        return "Quick" + number + member;
    return "Item" + std::string(place.Slot < 10 ? "0" : "") + number + member;
}

std::string ListOf(const TActor& actor, int bodySlot)
{
    return BodySlotControls[bodySlot].Stem + std::to_string(actor.Slot);
}

// Right-clicking the thing's label and clicking an entry of the backpack menu.
TLines MenuLines(const TForm1& form, const TActor& actor, const TThing& thing, const std::string& entry)
{
    return {{"popup " + LabelOf(actor, thing.Place), form.Name()}, {"menu " + entry, form.Name()}};
}

// Picked in the first equipment list that offers it, one with nothing worn first.
TLines Wear(TForm1& form, const TActor& actor, const TThing& thing, std::ostream& out)
{
    const std::string name = ItemDisplayName(thing.Item);
    std::optional<TFormLine> pick;
    for (int body = 0; body < BodySlotCount; ++body) {
        const TControlState& list = form.Control(ListOf(actor, body));
        // After "EMPTY" and what is worn there.
        const bool worn = actor.Member->HeldInBodySlot(body) != nullptr;
        for (size_t entry = worn ? 2 : 1; entry < list.Items.size(); ++entry) {
            if (list.Items[entry] != name)
                continue;
            const TFormLine line{"select " + list.Name + " " + std::to_string(entry), form.Name()};
            if (!worn)
                return {line};
            pick = pick ? pick : line;
        }
    }
    if (pick)
        return {*pick};
    out << AsUtf8(actor.Member->Name) << " cannot wear the " << NameOf(thing.Item) << ".\n";
    return {};
}

TLines Give(TForm1& form, const TActor& actor, const TThing& thing, const std::string& receiverWords,
            std::ostream& out)
{
    std::vector<std::string> names(MaxPartySize);
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (const TPlayer* member = form.Member(slot))
            names[slot - 1] = member->Name;
    int receiver = StrToIntDef(receiverWords, 0);
    if (const std::vector<size_t> hits = NamedBy(names, receiverWords); receiver == 0 && !hits.empty())
        receiver = static_cast<int>(hits.front()) + 1;
    const TPlayer* member = form.Member(receiver);
    if (!member) {
        out << "There is no member called " << receiverWords << ": give it to a member by number or name.\n";
        return {};
    }
    if (receiver == actor.Slot) {
        out << AsUtf8(member->Name) << " has it already.\n";
        return {};
    }
    if (!form.Control("GiveTo_" + std::to_string(receiver)).Enabled) {
        out << AsUtf8(member->Name) << " cannot take it now.\n";
        return {};
    }
    return MenuLines(form, actor, thing, "GiveTo_" + std::to_string(receiver));
}

// Insert Into...: the containers lying here, then those in the backpack.
TLines Put(TForm1& form, const TActor& actor, const TThing& thing, const std::string& containerWords,
           std::ostream& out)
{
    const std::vector<TContainerChoice> choices = ContainersAtHand(*actor.Member);
    std::vector<std::string> names;
    for (const TContainerChoice& choice : choices)
        names.push_back(choice.Caption);
    const std::string none = "There is no container called " + containerWords + " here or in " +
                             AsUtf8(actor.Member->Name) + "'s backpack.";
    std::optional<size_t> picked;
    if (const auto place = ParsePlaceWord(containerWords)) {
        const TItem* held = ItemIn(*actor.Member, *place);
        for (size_t choice = 0; choice < choices.size(); ++choice)
            if (held && choices[choice].Container == held)
                picked = choice;
        if (!picked)
            out << none << '\n';
    } else {
        picked = OneNamed(names, containerWords, none, out);
    }
    if (!picked)
        return {};
    TLines lines = MenuLines(form, actor, thing, "InsertInto1");
    lines.push_back({"select ListBox1 " + std::to_string(*picked), "FrmVerbs"});
    lines.push_back({"click Btn1", "FrmVerbs"});
    return lines;
}

// View Contents of a container in the backpack: the line picked, TO BACKPACK, and the dialog closed.
TLines Take(TForm1& form, const TActor& actor, const std::string& objectWords, const TThing& container,
            std::ostream& out)
{
    const std::string name = NameOf(container.Item);
    if (!container.Item->Container) {
        out << "The " << name << " holds nothing: it is no container.\n";
        return {};
    }
    const TContRec& held = *container.Item->Container;
    if (!held.Open) {
        out << "The " << name << " is not open.\n";
        return {};
    }
    std::vector<std::string> lines;
    for (const auto& object : held.Contents)
        if (object)
            lines.push_back(ItemDisplayName(object.get()));
    if (held.Gold > 0)
        lines.push_back(std::to_string(held.Gold) + "gp");
    std::string list;
    for (const std::string& line : lines)
        list += (list.empty() ? "" : ", ") + AsUtf8(line);
    const std::optional<size_t> picked =
        held.Gold > 0 && LowerCase(objectWords) == "gold"
            ? lines.size() - 1
            : OneNamed(lines, objectWords, "The " + name + " holds " + (list.empty() ? "nothing" : list) + ".", out);
    if (!picked)
        return {};
    TLines taken = MenuLines(form, actor, container, "ViewContents1");
    taken.push_back({"select ListBox1 " + std::to_string(*picked), "FrmSpellBooks"});
    taken.push_back({"click BtnToBackpack", "FrmSpellBooks"});
    taken.push_back({"close", "FrmSpellBooks"});
    return taken;
}

// A container lying here is browsed with Contents, by its choices.
bool SaidLyingHere(const std::string& containerWords, std::ostream& out)
{
    const TLocation* here = GameClient().CurrentLocation;
    if (!here || ParsePlaceWord(containerWords))
        return false;
    std::vector<std::string> names;
    for (const auto& item : here->Items)
        if (item && item->Container)
            names.push_back(ItemDisplayName(item.get()));
    const std::vector<size_t> hits = NamedBy(names, containerWords);
    if (hits.empty())
        return false;
    out << "The " << AsUtf8(names[hits.front()])
        << " lies here: contents shows what it holds, and its numbers take things out.\n";
    return true;
}

// Dragging the thing's label onto another of the member's labels.
TLines Move(TForm1& form, const TActor& actor, const TThing& thing, const std::string& placeWords, std::ostream& out)
{
    const auto to = ParsePlaceWord(placeWords);
    if (!to || to->Area == TPlaceArea::Body) {
        out << "move takes a thing to a backpack place or a quick slot: move b3 to q1. wear puts a thing on.\n";
        return {};
    }
    const TItem* there = ItemIn(*actor.Member, *to);
    // Stacks of one kind merge and quick items swap; anything else needs an empty place.
    const bool swaps = thing.Place.Area == TPlaceArea::Quick && to->Area == TPlaceArea::Quick;
    if (there && !swaps && there->RealName != thing.Item->RealName) {
        out << PlaceWord(*to) << " holds the " << NameOf(there) << " already.\n";
        return {};
    }
    const std::string source = LabelOf(actor, thing.Place);
    const std::string target = LabelOf(actor, *to);
    if (!form.DragOver(source, target)) {
        out << "The " << NameOf(thing.Item) << " cannot go " << Where(*to) << ".\n";
        return {};
    }
    return {{"drag " + source + " " + target, form.Name()}};
}

const TItemWord* ItemWordFor(const std::string& word)
{
    for (const TItemWord& known : ItemWords)
        if (word == known.Typed)
            return &known;
    return nullptr;
}

} // namespace

bool IsItemWord(const std::string& word)
{
    return ItemWordFor(LowerCase(word)) != nullptr;
}

std::optional<std::vector<TFormLine>> ItemWordLines(TForm1& form, const std::string& words, std::ostream& out)
{
    const std::string text = Trim(words);
    const size_t blank = text.find(' ');
    const TItemWord* word = ItemWordFor(LowerCase(text.substr(0, blank)));
    if (!word)
        return std::nullopt;
    std::string rest = blank == std::string::npos ? "" : Trim(text.substr(blank));
    // What comes after the separator.
    std::string second;
    auto split = [&] {
        const auto parts = Split(rest, word->Separator);
        rest = parts ? parts->first : "";
        second = parts ? parts->second : "";
    };
    // A giver's number stands before "to", the receiver after it.
    if (word->Verb == TVerb::Give)
        split();
    const auto actor = ActingMember(form, rest, out);
    if (!actor)
        return TLines{};
    if (word->Separator && word->Verb != TVerb::Give)
        split();
    if (rest.empty() || (word->Separator && second.empty())) {
        out << word->Usage << '\n';
        return TLines{};
    }
    if (word->Verb == TVerb::Take) {
        if (SaidLyingHere(second, out))
            return TLines{};
        const auto container = FindThing(*actor, second, *word, out);
        return container ? Take(form, *actor, rest, *container, out) : TLines{};
    }
    const auto thing = FindThing(*actor, rest, *word, out);
    if (!thing)
        return TLines{};
    switch (word->Verb) {
    case TVerb::Wear:
        return Wear(form, *actor, *thing, out);
    case TVerb::Remove:
        return TLines{{"select " + ListOf(*actor, thing->Place.Slot) + " 0", form.Name()}};
    case TVerb::Give:
        return Give(form, *actor, *thing, second, out);
    case TVerb::Menu:
        return MenuLines(form, *actor, *thing, word->MenuEntry);
    case TVerb::Put:
        return Put(form, *actor, *thing, second, out);
    case TVerb::Move:
        return Move(form, *actor, *thing, second, out);
    case TVerb::Take:
        break;
    }
    return TLines{};
}

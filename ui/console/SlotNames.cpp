#include "ui/console/SlotNames.h"

#include "app/MainForm.h"
#include "data/Convert.h"
#include "rules/Creature.h"

namespace {

// In body-slot order, as BodySlotControls.
const char* const BodyWords[BodySlotCount] = {
    "head", "neck", "torso", "forearms", "waist", "right wrist",
    "left wrist", "right hand", "left hand", "right ring", "left ring", "feet",
};

// The number after a one-letter prefix, when it lies in 1..count.
std::optional<int> Numbered(const std::string& word, char prefix, int count)
{
    if (word.size() < 2 || word.size() > 3 || word[0] != prefix ||
        word.find_first_not_of("0123456789", 1) != std::string::npos)
        return std::nullopt;
    const int number = StrToIntDef(word.substr(1), 0);
    return number >= 1 && number <= count ? std::optional<int>(number) : std::nullopt;
}

} // namespace

std::string PlaceWord(TPlace place)
{
    switch (place.Area) {
    case TPlaceArea::Backpack:
        return "b" + std::to_string(place.Slot);
    case TPlaceArea::Quick:
        return "q" + std::to_string(place.Slot);
    case TPlaceArea::Body:
        break;
    }
    return BodyWords[place.Slot];
}

std::optional<TPlace> ParsePlaceWord(const std::string& words)
{
    const std::string word = LowerCase(Trim(words));
    if (const auto slot = Numbered(word, 'b', BackpackSlotCount))
        return TPlace{TPlaceArea::Backpack, *slot};
    if (const auto slot = Numbered(word, 'q', QuickSlotCount))
        return TPlace{TPlaceArea::Quick, *slot};
    for (int body = 0; body < BodySlotCount; ++body)
        if (word == BodyWords[body] || word == LowerCase(BodySlotControls[body].Stem))
            return TPlace{TPlaceArea::Body, body};
    return std::nullopt;
}

const TItem* ItemIn(const TPlayer& member, TPlace place)
{
    switch (place.Area) {
    case TPlaceArea::Backpack:
        return member.Backpack[place.Slot - 1].get();
    case TPlaceArea::Quick:
        return member.QuickSlots[place.Slot - 1].get();
    case TPlaceArea::Body:
        break;
    }
    return member.HeldInBodySlot(place.Slot);
}

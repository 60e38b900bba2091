// How the player names a member's places: b1..b15 the backpack, q1..q3 the
// quick slots, and the body by words (head, torso, right hand ...). The
// inventory view shows these names; the item words read them.
#pragma once

#include <optional>
#include <string>

class TItem;
class TPlayer;

enum class TPlaceArea { Backpack, Quick, Body };

struct TPlace {
    TPlaceArea Area = TPlaceArea::Backpack;
    // 1..15 in the backpack, 1..3 quick, the body slot 0..11.
    int Slot = 0;
};

// "b3", "q1", "right hand".
std::string PlaceWord(TPlace place);
// The place words name, in any case: "B3", "right hand", or an equipment
// list's stem such as "rhand".
std::optional<TPlace> ParsePlaceWord(const std::string& words);
// What the member keeps there, or null.
const TItem* ItemIn(const TPlayer& member, TPlace place);

#include "ui/console/ExitWords.h"

#include "data/Utf8Text.h"
#include "world/Location.h"

const std::vector<TDirection>& Directions()
{
    static const std::vector<TDirection> directions = {
        {"n", 1, "key Up"},        {"north", 1, "key Up"},       {"e", 2, "key Right"},     {"east", 2, "key Right"},
        {"s", 3, "key Down"},      {"south", 3, "key Down"},     {"w", 4, "key Left"},      {"west", 4, "key Left"},
        {"ne", 5, "key Num9"},     {"northeast", 5, "key Num9"}, {"nw", 6, "key Num7"},     {"northwest", 6, "key Num7"},
        {"se", 7, "key Num3"},     {"southeast", 7, "key Num3"}, {"sw", 8, "key Num1"},     {"southwest", 8, "key Num1"},
        {"u", 9, "key NumPlus"},   {"up", 9, "key NumPlus"},     {"d", 10, "key NumMinus"}, {"down", 10, "key NumMinus"},
        {"in", 11, "key Num5"},    {"out", 12, "key Num0"},
    };
    return directions;
}

namespace {

// The longest word for an orientation reads best: "north" rather than "n".
std::string WordFor(int orientation)
{
    std::string word = "exits";
    bool found = false;
    for (const TDirection& direction : Directions()) {
        if (direction.Orientation != orientation)
            continue;
        if (!found || std::string(direction.Typed).size() > word.size())
            word = direction.Typed;
        found = true;
    }
    return word;
}

} // namespace

std::string WaysOn(const TLocation& location)
{
    std::string ways;
    for (const TLocationExit& exit : location.Exits)
        if (exit.ExitId >= 1)
            ways += (ways.empty() ? "" : ", ") + AsUtf8(exit.Name) + " (" + WordFor(exit.Orientation) + ")";
    return ways.empty() ? "none" : ways;
}

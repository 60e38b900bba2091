// The words a player types to take an exit, one set per exit orientation, and
// the ways on from a location named with the word that takes each.
#pragma once

#include <string>
#include <vector>

struct TLocation;

// A direction as the keypad takes it, with the exit orientation it leads to
// and the command-script line that presses its key.
struct TDirection {
    const char* Typed;
    int Orientation;
    const char* Line;
};

const std::vector<TDirection>& Directions();

// "out through the doors (out), down into the nave (south)": every way on from
// the location with the word that takes it; a way no word takes says "exits".
std::string WaysOn(const TLocation& location);

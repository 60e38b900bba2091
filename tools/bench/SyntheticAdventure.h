// A large adventure made up for measuring: a grid of locations, each with three
// items, a weapon and an armed creature, and exits to its neighbours.
#pragma once

#include <cstdint>
#include <string>

struct TSyntheticAdventure {
    int64_t Locations = 20000;

    // Locations per grid row; location 1 is the north-west corner.
    int64_t Width() const;
    // Writes the adventure database to file, which must not exist yet.
    void Write(const std::string& file) const;
};

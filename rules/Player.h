// A member of the party.
#pragma once

#include <string>

class TPlayer {
public:
    virtual ~TPlayer() = default;

    std::string Name;
};

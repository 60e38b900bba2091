// A place the party can be in.
#pragma once

#include <cstdint>
#include <string>

class TLocation {
public:
    virtual ~TLocation() = default;

    int32_t Id = 0;
    std::string Name;
};

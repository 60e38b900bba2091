// Integers stored little-endian in byte records, whatever the machine's order.
#pragma once

#include <cstdint>

inline void PutInt32(uint8_t* at, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int byte = 0; byte < 4; ++byte)
        at[byte] = static_cast<uint8_t>(bits >> (8 * byte));
}

inline int32_t GetInt32(const uint8_t* at)
{
    uint32_t bits = 0;
    for (int byte = 0; byte < 4; ++byte)
        bits |= uint32_t(at[byte]) << (8 * byte);
    return static_cast<int32_t>(bits);
}

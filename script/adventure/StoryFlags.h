// Counters and items the Cindervale scripts share.
#pragma once

#include <cstdint>

// Set when the mayor has hired the party.
inline constexpr const char* CounterMayorHired = "mayor_hired";
// Lanterns and torches: what lights a dark stair.
inline constexpr int64_t LanternTemplate = 21001;
inline constexpr int64_t TorchTemplate = 21002;

bool PartyCarriesLight();

// What a member with the Evaluate skill guesses an item is worth.
#pragma once

#include <cstdint>

// The base price off by up to a margin that narrows as the skill grows: 50 % at
// 0..3 (and above 24), down to 10 % at 24.
int32_t EstimatedPrice(int32_t evaluate, int32_t basePrice);

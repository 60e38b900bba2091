// The entries of a bookmark's Timed.dat: per effect a 192-byte record, then a
// value count and that many values, all little-endian 32-bit, with no header.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TEffect;

constexpr size_t TimedEffectRecordSize = 192;

// One entry read back: the effect, and the low 32 bits of its target's id (0 for none).
struct TStoredEffect {
    std::unique_ptr<TEffect> Effect;
    uint32_t TargetId = 0;
};

struct TStoredEffects {
    // The entries before the first damaged one.
    std::vector<TStoredEffect> Entries;
    // Why reading stopped early; empty when the whole text was read.
    std::string Error;
};

// Appends the effect's entry.
void WriteEffectEntry(std::string& out, const TEffect& effect);
// Reads entries until the end; never reads past it.
TStoredEffects ReadEffectEntries(std::string_view bytes);

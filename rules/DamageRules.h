// Dealing damage records to creatures and applying the modifiers of special uses
// and spells.
#pragma once

#include <cstdint>
#include <string>

struct DamageRec;
class TCreature;
class TSpecialItem;

// How damage of a type is named after the amount (" fire"); physical damage and
// unknown types have no word.
const char* DamageTypeWord(int type);

// Deals the record to target with extra added to the roll; returns the endurance
// taken. Damage over time becomes a timed effect and takes nothing at once.
int32_t ApplyDamage(const DamageRec* damage, TCreature* target, int32_t extra);

// Damage given as a damage text ("2d6"), dtype 1..9 as stored; nothing for the dead.
void DamageByText(TCreature* creature, int32_t modifier, const std::string& text, int32_t trigger, int32_t duration,
                  int32_t dtype);

// The special use's modifiers on target: permanent, or for its duration in rounds.
void ApplyModifiers(const TSpecialItem* special, TCreature* target);

// Creature and object attributes by the numeric codes scripts use.
#pragma once

#include <cstdint>

class TEntity;
class TCreature;

// What codes not valid for the object read as.
constexpr int32_t NoAttribute = -10000;

int32_t GetAttribute(const TEntity* entity, int32_t code);
// Sets the attribute to value; a duration in rounds above 0 makes the change timed.
void SetAttribute(TCreature* creature, int32_t code, int32_t value, int32_t duration);

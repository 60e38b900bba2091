// What follows when a creature's endurance reaches 0, and the party's experience.
#pragma once

#include <cstdint>

class TCreature;

// A party member or a creature of the current location dies; a creature in
// neither place is left as it is.
void CreatureDied(TCreature& creature);
// Shares the amount among the party members, rounding half to even.
void AwardExperience(int32_t amount);
// Outside a real-time fight: the game ends when no party slot is occupied.
void CheckGameOver();
// The whole party has fallen: the book counts as closed and the fight ends.
void GameOver();

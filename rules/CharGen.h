// Character generation: the creation pages a new member is made on, and level-up.
#pragma once

class TPlayer;

// Runs creation for a new player; false when the player gave up.
bool CreateCharacter(TPlayer& player);

// A party member using a skill, the action of the Use Skill button: the built-in
// skills that act, and the adventure's own skills, whose script runs. Passive
// skills and those only scripts check do nothing here. The world goes on while
// the player picks a target, so the user and the target are found again after it.
#pragma once

#include <string>

class TPlayer;

// The skill by code or display name; nothing for a skill the member lacks. In a
// turn-based fight a use that was not refused ends the member's turn.
void UseSkill(TPlayer& user, const std::string& skillName);

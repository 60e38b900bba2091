// What the desktop program shows on its tabs, as text for the terminal: the party,
// its belongings, the journal, the quests and where the party is. Each says
// plainly when there is nothing to show yet.
#pragma once

#include <ostream>

class TForm1;

// Every member (slot 0) or one (1..6).
void ShowParty(std::ostream& out, const TForm1& form, int slot);
// Each thing with its place in brackets ([b3], [q1], [torso]), as the item words name it.
void ShowInventory(std::ostream& out, const TForm1& form, int slot);
void ShowJournal(std::ostream& out, const TForm1& form);
void ShowQuests(std::ostream& out, const TForm1& form);
void ShowMap(std::ostream& out);

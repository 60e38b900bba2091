// What the desktop program shows on its tabs, as text for the terminal: the party,
// its belongings and where the party is (the books are in BookPages). Each says
// plainly when there is nothing to show yet.
#pragma once

#include <ostream>

class TForm1;

// Every member (slot 0) or one (1..6).
void ShowParty(std::ostream& out, const TForm1& form, int slot);
// Each thing with its place in brackets ([b3], [q1], [torso]), as the item words name it.
void ShowInventory(std::ostream& out, const TForm1& form, int slot);
// Where the party is, the ways on, the map pictures found and the area's grid.
void ShowMap(std::ostream& out);

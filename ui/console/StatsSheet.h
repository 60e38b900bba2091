// The statistics dialog as a character sheet: each of its tabs one line of
// rows, such as "Weapons: Axe Untrained, Bow Apprentice, ...".
#pragma once

#include <ostream>

class TFormModel;

// Whether the form is the statistics dialog, which the sheet draws.
bool IsStatsForm(const TFormModel& form);
void DrawStatsSheet(const TFormModel& form, std::ostream& out);

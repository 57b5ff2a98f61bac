#pragma once
// The damage condition track: five rows (wound factors 1 to 5) of sixteen tick boxes. Build
// decides how many columns are in use; a column out of use is only hidden and keeps its ticks,
// so they come back when Build rises again.

#include "model/Warrior.h"

namespace dk {

// Column pairs in use, headed "1" .. n: Build, at least 1 and at most 8.
int damagePairsInUse(const Warrior& w);

// Whether column 1..16 is in use (columns 1 to 2 x pairs). False for any other number.
bool damageColumnInUse(const Warrior& w, int column);

// "->" and "<-" of a row (0..4): all sixteen boxes, hidden ones included. Other rows: nothing.
void fillDamageRow(Warrior& w, int row);
void clearDamageRow(Warrior& w, int row);

}  // namespace dk

#pragma once
// The damage condition track: five rows (wound factors 1 to 5) of sixteen tick boxes. Build
// decides how many columns are in use; a column out of use is only hidden and keeps its ticks,
// so they come back when Build rises again.

#include <array>
#include <string>

#include "core/model/Warrior.h"

namespace dk {

// The five rows of the track, one per wound factor, as the grid and the sheet both show them.
struct DamageCondition {
  const char* woundFactor;  // "1" .. "5"
  const char* condition;    // "Good" .. "Critical"
  const char* save;         // the roll to stay up, as the grid writes it: "3 +", "5+", ...
  int sheetColumn;          // where the sheet's row puts the condition, in characters
};
inline constexpr std::array<DamageCondition, kDamageRows> kDamageConditions{{
    {"1", "Good", "3 +", 6},
    {"2", "Fair", "5+", 6},
    {"3", "Poor", "7+", 6},
    {"4", "Serious", "10+", 5},
    {"5", "Critical", "11+", 5},
}};

// The sheet's row of a wound factor before its boxes: the factor, the condition, and the save
// without blanks under "Save" ("1     Good    3+     ").
std::string sheetDamageRow(const DamageCondition& row);

// Column pairs in use, headed "1" .. n: Build, at least 1 and at most 8.
int damagePairsInUse(const Warrior& w);

// Whether column 1..16 is in use (columns 1 to 2 x pairs). False for any other number.
bool damageColumnInUse(const Warrior& w, int column);

// "->" and "<-" of a row (0..4): all sixteen boxes, hidden ones included. Other rows: nothing.
void fillDamageRow(Warrior& w, int row);
void clearDamageRow(Warrior& w, int row);

}  // namespace dk

#pragma once
// A warrior window's load step: its catalogues are read afresh from the data folder in a fixed
// order, the skills, then the weapons, then the equipment. A file that cannot be read is told
// once; the window opens all the same.

#include "core/context/RuleContext.h"

namespace dk {

// LoadWeapons, then LoadEquipment: both files into the shared tables. A table whose contents did
// not change keeps the object it had, so windows created one after another share it.
void loadGearCatalogues(SharedState& shared, Prompter& prompter);

// The whole load step for the warrior of ctx: its skill lists, then the gear tables.
void loadWindowCatalogues(RuleContext& ctx);

}  // namespace dk

#pragma once
// Turning a warrior read from a file into the record of the window it opens into.

#include <optional>
#include <string>

#include "core/app/AppState.h"
#include "core/context/Prompter.h"
#include "core/files/WarriorFile.h"
#include "core/model/Warrior.h"

namespace dk {

// The stored warrior with what the file does not carry worked out from what it does, the same
// for every way of opening: the bars stand on the stored levels and their texts say so, the
// bounds follow from the shared maximum, each skill pool holds the skills grant less what its
// area's skills cost (so no pool holds points the file's skills already spent), the
// money the file holds is where the pages look for it, and the attribute points and racial
// modifiers go on from where they were.
Warrior warriorFromFile(const OpenedWarrior& opened, SharedState& shared, Prompter& prompter);

struct WarriorToShow {
  SlotGrant grant;
  Warrior warrior;
};

// Open, once a file has been chosen: the whole file is read and checked before a slot is taken,
// so a file that cannot be opened is reported in one message and leaves no window and no used
// slot behind. nullopt when nothing is to be shown.
std::optional<WarriorToShow> openWarrior(const std::string& path, AppState& app,
                                         Prompter& prompter);

}  // namespace dk

#pragma once
// Turning a warrior read from a file into the record of the window it opens into.

#include <optional>
#include <string>

#include "core/app/AppState.h"
#include "core/app/Arrival.h"
#include "core/context/Prompter.h"
#include "core/files/WarriorFile.h"
#include "core/model/Warrior.h"
#include "core/util/Result.h"

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
  bool unsaved = false;  // a kept copy: modified until it is saved
};

// A file the user named (Open, Recent Files, the command line, a drop, a second start): its
// bytes, or the message that says why it cannot be read.
Result<Arrival> arrivalFromFile(const std::string& path);

// Every way a warrior arrives ends here. The bytes are read whole and checked before a slot is
// taken, so a warrior that cannot be opened leaves no window and no used slot behind: a file the
// user named is told at once in one message; a kept copy that does not read goes into `skipped`
// by name, for one message after all of them. nullopt when nothing is to be shown.
std::optional<WarriorToShow> openArrival(const Arrival& arrival, AppState& app, Prompter& prompter,
                                         std::vector<std::string>& skipped);

// The warrior of these bytes for a window that shows their file already (read again after a
// change on disk), or the message that says why they do not read as a warrior. No slot is taken.
Result<Warrior> reloadArrival(const Arrival& arrival, SharedState& shared, Prompter& prompter);

}  // namespace dk

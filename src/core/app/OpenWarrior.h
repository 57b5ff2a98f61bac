#pragma once
// Turning a warrior read from a file into the record of the window it opens into.

#include <optional>
#include <string>

#include "app/AppState.h"
#include "context/Prompter.h"
#include "files/WarriorFile.h"
#include "model/Warrior.h"

namespace dk {

enum class OpenedFrom {
  WarriorWindow,  // "Open..." of a warrior window: the levels go through the priority rules
  MainFrame,      // "&Open..." of the main frame: the levels are only shown
};

// From a warrior window, the five stored levels are set one after another through the priority
// rules on a new warrior, as if the user had moved the bars (that rebuilds the echoes, bounds and
// the active skill pool); every value the file carries then takes its place. From the main frame,
// only the level texts show the stored levels and the bars stay at 0.
Warrior warriorFromFile(const OpenedWarrior& opened, OpenedFrom from, AppState& app,
                        Prompter& prompter);

struct WarriorToShow {
  SlotGrant grant;
  Warrior warrior;
};

// Open, once a file has been chosen: the whole file is read and checked before a slot is taken,
// so a file that cannot be opened is reported in one message and leaves no window and no used
// slot behind. nullopt when nothing is to be shown.
std::optional<WarriorToShow> openWarrior(const std::string& path, OpenedFrom from, AppState& app,
                                         Prompter& prompter);

}  // namespace dk

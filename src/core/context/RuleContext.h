#pragma once
// What a rule of a warrior window works on: the window's own warrior, what every window shares
// (the catalogues, the data folder, the priority maximum), and the way to talk to the user.

#include "core/context/Prompter.h"
#include "core/context/SharedState.h"
#include "core/model/Warrior.h"

namespace dk {

struct RuleContext {
  Warrior& warrior;
  SharedState& shared;
  Prompter& prompter;
};

}  // namespace dk

#pragma once
// What a rule of a warrior window works on: the window's own warrior, what every window shares
// (the catalogues, the data folder, the priority maximum), and the way to talk to the user.

#include "context/Prompter.h"
#include "context/SharedState.h"
#include "model/Warrior.h"

namespace dk {

struct RuleContext {
  Warrior& warrior;
  SharedState& shared;
  Prompter& prompter;
};

}  // namespace dk

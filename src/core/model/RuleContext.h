#pragma once
// What a rule of a warrior window works on: the window's own warrior, the application-wide
// state it shares with every other window, and the way to talk to the user.

#include "app/AppState.h"
#include "app/Prompter.h"
#include "model/Warrior.h"

namespace dk {

struct RuleContext {
  Warrior& warrior;
  AppState& app;
  Prompter& prompter;
};

}  // namespace dk

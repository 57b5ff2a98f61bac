#pragma once
// Exit: the program ends only after the player says so; nothing is saved.

#include "core/context/Prompter.h"

namespace dk {

inline constexpr char kQuitQuestion[] = "Are you sure you wish to quit?";

// True when the player answers Yes to the quit question.
inline bool confirmQuit(Prompter& prompter) {
  return prompter.askYesNo(kQuitQuestion, MessageIcon::Question);
}

}  // namespace dk

#pragma once
#include <optional>

#include "core/app/AppState.h"
#include "core/context/Prompter.h"

namespace dk {

inline constexpr const char* kSlotsExhaustedMessage =
    "No more warrior windows can be opened in this session: all 32767 window slots are taken.  "
    "Please save your warriors and restart the program.";

// Takes the slot of a new warrior window. New also sets the priority maximum back to 10.
// When no slot is left the user is told so and nothing is created.
std::optional<SlotGrant> takeWarriorSlot(AppState& app, Prompter& prompter);
std::optional<SlotGrant> startNewWarrior(AppState& app, Prompter& prompter);

}  // namespace dk

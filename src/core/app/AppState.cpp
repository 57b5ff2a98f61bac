#include "core/app/AppState.h"

namespace dk {

std::optional<SlotGrant> AppState::takeSlot() {
  if (firstWindowPending_) {
    lastSlot_ = 1;
    firstWindowPending_ = false;
    return SlotGrant{1, true};
  }
  const auto slot = findFreeSlot();
  if (!slot) return std::nullopt;
  return SlotGrant{*slot, false};
}

std::optional<std::int16_t> AppState::findFreeSlot() {
  if (lastSlot_ >= kMaxSlots) return std::nullopt;
  return static_cast<std::int16_t>(++lastSlot_);
}

}  // namespace dk

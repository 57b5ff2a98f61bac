#include "core/app/AppState.h"

namespace dk {

std::optional<SlotGrant> AppState::takeSlot() {
  if (firstWindowPending_) {
    slotFree_.assign(2, kSlotInUse);
    freeSlots_ = 0;
    firstWindowPending_ = false;
    return SlotGrant{1, true};
  }
  const auto slot = findFreeSlot();
  if (!slot) return std::nullopt;
  return SlotGrant{*slot, false};
}

std::optional<std::int16_t> AppState::findFreeSlot() {
  for (std::size_t k = 1; freeSlots_ > 0 && k < slotFree_.size(); ++k) {
    if (slotFree_[k] != kSlotInUse) {
      slotFree_[k] = kSlotInUse;
      --freeSlots_;
      return static_cast<std::int16_t>(k);
    }
  }
  if (upperBound() >= kMaxSlots) return std::nullopt;
  // A newly grown record is all zero, and zero means "in use".
  slotFree_.push_back(kSlotInUse);
  return static_cast<std::int16_t>(upperBound());
}

void AppState::releaseSlot(std::int16_t slot) {
  if (slot < 1 || slot > upperBound()) return;
  auto& flag = slotFree_[static_cast<std::size_t>(slot)];
  if (flag == kSlotInUse) ++freeSlots_;
  flag = kSlotFree;
}

bool AppState::slotInUse(std::int16_t slot) const {
  return slot >= 1 && slot <= upperBound() &&
         slotFree_[static_cast<std::size_t>(slot)] == kSlotInUse;
}

}  // namespace dk

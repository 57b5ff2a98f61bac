#pragma once
// Application-wide state: the window-state table of slot numbers, the first-window rule, and
// what every warrior window's rules share (SharedState). One instance is owned by the main frame
// and handed to whatever needs it, so tests can build as many independent applications as they
// like.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/context/SharedState.h"

namespace dk {

inline constexpr std::int16_t kSlotFree = -1;  // window-state flags: -1 true, 0 false
inline constexpr std::int16_t kSlotInUse = 0;
inline constexpr int kMaxSlots = 32767;  // slot numbers are signed 16-bit

struct SlotGrant {
  std::int16_t slot = 0;
  bool firstWindow = false;  // the very first window of the run gets the first-window size
};

class AppState : public SharedState {
 public:
  // Takes a slot for a new or opened warrior window: the first window of the run always gets
  // slot 1 of a fresh table; later ones the first free slot or a new one at the end. nullopt
  // when all 32767 slots are taken (nothing is changed then).
  std::optional<SlotGrant> takeSlot();

  // FindFreeSlot: the first slot marked free, now marked in use, or a newly grown one.
  std::optional<std::int16_t> findFreeSlot();

  // Gives back a slot whose window never came to be (an open that failed), so it is not lost.
  void releaseSlot(std::int16_t slot);

  bool slotInUse(std::int16_t slot) const;
  int upperBound() const { return static_cast<int>(slotFree_.size()) - 1; }
  bool firstWindowPending() const { return firstWindowPending_; }

 private:
  bool firstWindowPending_ = true;
  std::vector<std::int16_t> slotFree_{kSlotInUse};  // index 0 is never used
  int freeSlots_ = 0;  // how many slots are marked free, so a full table is not searched
};

}  // namespace dk

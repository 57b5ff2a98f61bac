#pragma once
// Application-wide state: the window-state table of slot numbers, the first-window rule, and
// what every warrior window's rules share (SharedState). One instance is owned by the main frame
// and handed to whatever needs it, so tests can build as many independent applications as they
// like.

#include <cstdint>
#include <optional>

#include "core/context/SharedState.h"

namespace dk {

inline constexpr int kMaxSlots = 32767;  // slot numbers are signed 16-bit

struct SlotGrant {
  std::int16_t slot = 0;
  bool firstWindow = false;  // the very first window of the run gets the first-window size
};

class AppState : public SharedState {
 public:
  // Takes a slot for a new or opened warrior window: the first window of the run always gets
  // slot 1; later ones the next slot at the end (a closed window's slot stays taken). nullopt
  // when all 32767 slots are taken (nothing is changed then).
  std::optional<SlotGrant> takeSlot();

  // FindFreeSlot: no slot is ever given back, so the free one is the next after the last.
  std::optional<std::int16_t> findFreeSlot();

  int upperBound() const { return lastSlot_; }
  bool firstWindowPending() const { return firstWindowPending_; }

 private:
  bool firstWindowPending_ = true;
  int lastSlot_ = 0;  // the highest slot taken so far
};

}  // namespace dk

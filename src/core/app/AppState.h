#pragma once
// Application-wide state: the window-state table of slot numbers, the first-window rule, the
// priority maximum and the skill catalogue shared by every warrior window. One instance is owned by the main frame and
// handed to whatever needs it, so tests can build as many independent applications as they like.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "skills/SkillCatalogue.h"

namespace dk {

struct GearCatalogue;

inline constexpr std::int16_t kSlotFree = -1;  // window-state flags: -1 true, 0 false
inline constexpr std::int16_t kSlotInUse = 0;
inline constexpr int kMaxSlots = 32767;  // slot numbers are signed 16-bit
inline constexpr int kDefaultPriorityMaximum = 10;

struct SlotGrant {
  std::int16_t slot = 0;
  bool firstWindow = false;  // the very first window of the run gets the first-window size
};

class AppState {
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

  // The maximum number of priority points; one value for every window. It starts at 10 when
  // the program starts (so a warrior opened before any New already has a sound budget), and
  // every New sets it back to 10.
  int priorityMaximum = kDefaultPriorityMaximum;

  // The skill catalogue as the last sound read of "skills.dat" left it; every window's load
  // rewrites it, and a damaged file leaves it as it was.
  SkillCatalogue skillCatalogue;

  // The weapon and equipment catalogues, rebuilt each time a warrior window is created (weapons
  // first). A window keeps the pair it was created with; unchanged contents are shared.
  std::shared_ptr<const GearCatalogue> weaponCatalogue;
  std::shared_ptr<const GearCatalogue> equipmentCatalogue;

 private:
  bool firstWindowPending_ = true;
  std::vector<std::int16_t> slotFree_{kSlotInUse};  // index 0 is never used
  int freeSlots_ = 0;  // how many slots are marked free, so a full table is not searched
};

}  // namespace dk

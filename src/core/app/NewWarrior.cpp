#include "core/app/NewWarrior.h"

namespace dk {

std::optional<SlotGrant> takeWarriorSlot(AppState& app, Prompter& prompter) {
  auto grant = app.takeSlot();
  if (!grant) prompter.showMessage(kSlotsExhaustedMessage, MessageIcon::Information);
  return grant;
}

std::optional<SlotGrant> startNewWarrior(AppState& app, Prompter& prompter) {
  auto grant = takeWarriorSlot(app, prompter);
  if (grant) app.priorityMaximum = kDefaultPriorityMaximum;
  return grant;
}

}  // namespace dk

#include "app/OpenWarrior.h"

#include "app/NewWarrior.h"
#include "budget/Priorities.h"
#include "util/Numeric.h"

namespace dk {

Warrior warriorFromFile(const OpenedWarrior& opened, OpenedFrom from, AppState& app,
                        Prompter& prompter) {
  Warrior result = opened.warrior;
  if (from == OpenedFrom::MainFrame) {
    for (int p = 0; p < kPoolCount; ++p) {
      result.priorityEcho[p] = toText(opened.levels[p]);
      result.levelShownOnly[p] = true;
    }
    return result;
  }
  // The priority rules run on the window's new warrior before the stored values are read in,
  // so only what the file does not carry survives from them.
  Warrior fresh;
  RuleContext ctx{fresh, app, prompter};
  for (int p = 0; p < kPoolCount; ++p)
    setPriorityLevel(ctx, static_cast<Pool>(p), opened.levels[p]);
  result.priorityLevel = fresh.priorityLevel;
  result.priorityBound = fresh.priorityBound;
  result.priorityEcho = fresh.priorityEcho;
  result.skillPoolIS = fresh.skillPoolIS;
  result.skillPoolClan = fresh.skillPoolClan;
  result.vehicleTypeEnabled = fresh.vehicleTypeEnabled;
  return result;
}

std::optional<WarriorToShow> openWarrior(const std::string& path, OpenedFrom from, AppState& app,
                                         Prompter& prompter) {
  const ReadOutcome outcome = openWarriorFile(path);
  if (outcome.status != ReadOutcome::Ok) {
    prompter.showMessage(openFailedMessage(outcome, path), MessageIcon::Information);
    return std::nullopt;
  }
  const auto grant = takeWarriorSlot(app, prompter);
  if (!grant) return std::nullopt;
  return WarriorToShow{*grant, warriorFromFile(*outcome.opened, from, app, prompter)};
}

}  // namespace dk

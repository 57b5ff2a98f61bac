#include "core/app/OpenWarrior.h"

#include <algorithm>

#include "core/app/NewWarrior.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/files/FileLimits.h"
#include "core/files/PackageFile.h"
#include "core/files/ReadFile.h"
#include "core/gear/Advantages.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SkillPoints.h"
#include "core/skills/SpecialityPicking.h"
#include "core/skills/TrainingReading.h"
#include "core/util/Numeric.h"

namespace dk {

Warrior warriorFromFile(const OpenedWarrior& opened, SharedState& shared, Prompter& prompter) {
  Warrior w = opened.warrior;
  for (int p = 0; p < kPoolCount; ++p) {
    const int level =
        std::clamp<int>(opened.levels[p], kLowestPriorityLevel, kHighestPriorityLevel);
    w.priorityLevel[p] = static_cast<std::int16_t>(level);
    w.priorityEcho[p] = toText(level);
  }
  // The bounds come from the maximum every window shares; the points left are the file's.
  RuleContext ctx{w, shared, prompter};
  applyBudgetRule(ctx);
  w.pointsLeft = opened.warrior.pointsLeft;
  w.vehicleTypeEnabled = w.priorityLevel[kBattleMech] != 0;

  // The training buttons stand as they were saved, but never offer a second training on top of
  // the skills of the first; the clan buttons follow from the clan list.
  if (!w.innerSphere().skills.empty() && (specialityTaken(w) || packageTaken(w))) {
    w.skillButtons[kPickMOSFOS] = false;
    w.skillButtons[kAddPackage] = false;
  }
  w.clanAddPackageEnabled = w.clan().skills.empty();
  w.clanDelPackageEnabled = w.clanPackageTaken;
  // What each area's training handed out, read from the package or the speciality the file names.
  std::vector<SkillPackage> packages;
  if (packageTaken(w)) packages = loadPackages(shared.catalogueFolders()).valueOr({});
  w.innerSphere().training = readTraining(w, SkillArea::InnerSphere, packages).training;
  w.clan().training = readTraining(w, SkillArea::Clan, packages).training;
  resumeOpenedTraining(ctx);
  // A warrior whose skills bar never moved and who holds no skill has no pools yet, as when
  // new. (Skills and training at level 0 were bought from a pool the bar once filled.)
  const bool anySkills = !w.innerSphere().skills.empty() || !w.clan().skills.empty() ||
                         specialityTaken(w) || packageTaken(w) || w.clanPackageTaken;
  if (w.priorityLevel[kSkills] != 0 || w.skillsBought || anySkills) {
    refillSkillPool(w, SkillArea::InnerSphere);
    refillSkillPool(w, SkillArea::Clan);
  }

  // Equipment money spent to nothing or moved over by Transfer: the pages show the C-Bills, as
  // after Transfer.
  w.cBillsTransferred = w.equipmentCBills == 0;
  // The skill of a Natural Aptitude stands in its row's name.
  for (const AdvantageEntry& row : w.advantages)
    if (!aptitudeSkillOf(row.name).empty()) w.aptitudeSkill = aptitudeSkillOf(row.name);
  // Racial modifiers on the scores belong to the race shown: a race change takes them off.
  if (w.raceModsRemovable) w.raceModsRace = w.priorityGrant[kRace];
  // Free points other than the whole grant mean the scores were bought; they are what the grant
  // leaves after the bought scores, the modifiers counted neither way.
  w.attributesTouched = w.freeAttributePoints != w.priorityGrant[kAttributes];
  if (w.attributesTouched) updateTotalPts(w);
  return w;
}

Result<Arrival> arrivalFromFile(const std::string& path) {
  // Stamped before it is read: a change in between makes the next save ask, never the reverse.
  const FileStamp stamp = stampOf(path);
  // One byte past the limit is enough for the reader to see that the file is too large.
  Result<std::string> bytes = readFilePrefix(path, kMaxWarriorFileBytes + 1);
  if (!bytes) return Result<Arrival>::failure(unreadableFileMessage(path, bytes.message()));
  return Arrival{std::move(*bytes), path, {}, stamp};
}

std::optional<WarriorToShow> openArrival(const Arrival& arrival, AppState& app, Prompter& prompter,
                                         std::vector<std::string>& skipped) {
  const ReadOutcome outcome = parseWarriorFile(arrival.bytes, arrival.path);
  if (outcome.status != ReadOutcome::Ok) {
    if (arrival.kept()) {
      skipped.push_back(arrival.keptFile);
    } else {
      prompter.showMessage(openFailedMessage(outcome, arrival.path), MessageIcon::Information);
    }
    return std::nullopt;
  }
  const auto grant = takeWarriorSlot(app, prompter);
  if (!grant) return std::nullopt;
  return WarriorToShow{*grant, warriorFromFile(*outcome.opened, app, prompter), arrival.kept()};
}

Result<Warrior> reloadArrival(const Arrival& arrival, SharedState& shared, Prompter& prompter) {
  const ReadOutcome outcome = parseWarriorFile(arrival.bytes, arrival.path);
  if (outcome.status != ReadOutcome::Ok)
    return Result<Warrior>::failure(openFailedMessage(outcome, arrival.path));
  return warriorFromFile(*outcome.opened, shared, prompter);
}

}  // namespace dk

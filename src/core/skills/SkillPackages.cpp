#include "core/skills/SkillPackages.h"

#include <algorithm>

#include "core/files/PackageFile.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPoints.h"
#include "core/util/Numeric.h"

namespace dk {

void addPackage(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  // The stage says "dialog open" only while it is; a cancel puts back what was there, so that
  // "Add Pt -->" keeps working.
  const std::int16_t stageBefore = w.skillStage;
  w.skillStage = kSkillStagePackageDialog;
  const auto read = loadPackages(ctx.shared.catalogueFolders());
  if (!read) ctx.prompter.showMessage(read.message(), MessageIcon::Information);
  const std::vector<SkillPackage> packages = read.valueOr({});
  // The package takes the whole grant: the area starts over with it.
  const std::optional<int> row = ctx.prompter.pickPackage(packages, skillPointsGranted(w));
  if (!row || *row < 1 || static_cast<std::size_t>(*row) > packages.size()) {
    w.skillStage = stageBefore;
    return;
  }
  const SkillPackage& package = packages[static_cast<std::size_t>(*row - 1)];
  // A speciality whose skills were all taken off goes back as "Delete MOS" takes it.
  forgetInnerSphereTraining(w);
  w.innerSphere().skills.clear();
  w.selections.owned(SkillArea::InnerSphere).clear();
  w.innerSphere().training.price = package.cost;
  for (const SkillPackageEntry& skill : package.skills) {
    w.innerSphere().skills.push_back({skill.name, skill.level, ""});
    w.innerSphere().training.skills.push_back({skill.name, clampToInt16(integerPart(skill.level))});
  }
  w.packageIndex = static_cast<std::int16_t>(*row);
  w.skillButtons[kPickMOSFOS] = false;
  w.skillButtons[kAddPackage] = false;
  w.skillButtons[kDelPackage] = true;
  w.skillStage = kSkillStagePackageApplied;
  refillSkillPool(w, SkillArea::InnerSphere);
  updateSkillRolls(ctx);
}

void removePackage(RuleContext& ctx) {
  if (!ctx.prompter.askYesNo(kDeletePackageQuestion, MessageIcon::Question)) return;
  takeBackPackage(ctx.warrior);
}

bool packageTaken(const Warrior& w) { return w.packageIndex != 0; }

void takeBackPackage(Warrior& w) {
  w.skillStage = kSkillStageNone;
  forgetInnerSphereTraining(w);
  w.skillButtons[kPickMOSFOS] = true;
  w.skillButtons[kAddPackage] = true;
  w.skillButtons[kDelPackage] = false;
  restartInnerSphereSkills(w);
}

}  // namespace dk

#include "core/skills/SpecialityPicking.h"

#include <algorithm>

#include "core/catalogue/PackageTypes.h"
#include "core/files/SpecialityFile.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPoints.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

std::string bothNames(const Warrior& w) {
  return w.mosName2.empty() ? w.mosName1 : w.mosName1 + " and " + w.mosName2;
}

// Fills the choice list with the names given, each once (the first stays), with the class the
// shared catalogue gives it.
void offerChoices(RuleContext& ctx, const std::vector<std::string>& names) {
  Warrior& w = ctx.warrior;
  w.innerSphere().list.clear();
  w.selections.skillList(SkillArea::InnerSphere).clear();
  for (const std::string& name : names) {
    if (name.empty()) continue;
    const bool offered = std::any_of(w.innerSphere().list.begin(), w.innerSphere().list.end(),
                                     [&](const CatalogueRow& row) { return row.name == name; });
    if (!offered)
      w.innerSphere().list.push_back(
          {name, getSkillCharacteristic(ctx.shared.skillCatalogue, name)});
  }
}

template <std::size_t N>
std::vector<std::string> withCommon(const std::vector<std::string>& names,
                                    const std::array<const char*, N>& common) {
  std::vector<std::string> all = names;
  all.insert(all.end(), common.begin(), common.end());
  return all;
}

template <std::size_t N>
std::vector<std::string> filled(const std::array<std::string, N>& slots) {
  std::vector<std::string> names;
  for (const std::string& name : slots)
    if (!name.empty()) names.push_back(name);
  return names;
}

template <std::size_t N>
void store(std::array<std::string, N>& slots, const std::vector<std::string>& names) {
  slots.fill(std::string());
  std::copy_n(names.begin(), std::min(names.size(), N), slots.begin());
}

// The picking is over: the level choices not handed out count by their value, as single points
// (the training cost that much less), and the pool holds what the skills grant leaves.
void freePurchase(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  w.innerSphere().training.price = static_cast<std::int32_t>(std::max<std::int64_t>(
      0, w.innerSphere().training.price - skillPoolTotal(w.innerSphere().pool)));
  loadSkills(ctx, false);
  w.currentActivity = kPickingAdditionalSkills;
  w.skillStage = kSkillStageFree;
  w.selections.levelChoice = -1;
  refillSkillPool(w, SkillArea::InnerSphere);
}

}  // namespace

void pickMOS(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const auto read = loadSpecialities(ctx.shared.catalogueFolders());
  if (!read) ctx.prompter.showMessage(read.message(), MessageIcon::Information);
  const auto choice = ctx.prompter.pickSpeciality(
      // The speciality takes the whole grant: the area starts over with it.
      read.valueOr({}), static_cast<int>(skillPointsGranted(w)));
  if (!choice) return;
  const PackageType* type = findPackageType(choice->packageName);
  if (!type) return;

  // A package whose skills were all taken off goes back as "Del Package" takes it.
  forgetInnerSphereTraining(w);
  w.innerSphere().training.price = type->cost;
  w.mosName1 = choice->name1;
  w.mosIndex1 = choice->index1;
  w.mosName2 = choice->name2;
  w.mosIndex2 = choice->index2;
  w.mosConfirmed = 1;
  w.packageName = choice->packageName;
  store(w.requiredSkills, choice->requiredSkills);
  store(w.electiveSkills, choice->electiveSkills);
  w.electivesAnnounced = false;
  w.skillStage = kSkillStagePickingMos;

  w.skillButtons[kPickMOSFOS] = false;
  w.skillButtons[kAddPackage] = false;
  w.skillButtons[kDelPackage] = false;
  w.skillButtons[kChangeMOS] = true;
  w.innerSphere().skills.clear();
  w.selections.owned(SkillArea::InnerSphere).clear();
  w.skillsBought = false;
  offerChoices(ctx, withCommon(filled(w.requiredSkills), kCommonRequiredSkills));
  w.currentActivity = "Picking required skills for " + bothNames(w);
  w.innerSphere().pool.assign(type->levels.begin(), type->levels.end());
  w.selections.levelChoice = -1;
  updateSkillRolls(ctx);
}

void addSkillPointIS(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (w.skillStage != kSkillStagePickingMos) {
    addSkillPoint(ctx, SkillArea::InnerSphere);
    return;
  }
  const int row = w.selections.levelChoice;
  if (row < 0 || static_cast<std::size_t>(row) >= w.innerSphere().pool.size()) {
    ctx.prompter.showMessage(kSelectLevelChoice, MessageIcon::Information);
    return;
  }
  const auto choice = std::find_if(
      w.innerSphere().list.begin(), w.innerSphere().list.end(), [&](const CatalogueRow& r) {
        return r.name == w.selections.skillList(SkillArea::InnerSphere);
      });
  if (w.selections.skillList(SkillArea::InnerSphere).empty() ||
      choice == w.innerSphere().list.end()) {
    ctx.prompter.showMessage(kSelectChoiceSkill, MessageIcon::Information);
    return;
  }
  addSkill(ctx, choice->name, w.innerSphere().pool[static_cast<std::size_t>(row)],
           SkillArea::InnerSphere, Charge::Trained);
  w.innerSphere().pool.erase(w.innerSphere().pool.begin() + row);
  w.innerSphere().list.erase(choice);
  w.selections.skillList(SkillArea::InnerSphere).clear();
  w.selections.levelChoice = -1;

  if (w.innerSphere().list.empty() && !w.electivesAnnounced) {
    offerChoices(ctx, withCommon(filled(w.electiveSkills), kCommonElectives));
    w.currentActivity = "Picking electives for " + bothNames(w);
    w.electivesAnnounced = true;
  } else if (w.innerSphere().list.empty()) {
    freePurchase(ctx);  // every elective has its level
  }
  // The level choices ran out first: the rest of the choice list goes unused.
  if (w.innerSphere().pool.empty() && w.skillStage == kSkillStagePickingMos) freePurchase(ctx);
}

void removeSkillPointIS(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const bool picking = w.skillStage == kSkillStagePickingMos;
  removeSkillPoint(ctx, SkillArea::InnerSphere);
  if (!picking || w.skillStage == kSkillStagePickingMos) return;
  // The list ran empty while the choices were given, which starts the area over: the choices
  // not given go (as when a warrior saved while picking is opened), the speciality's price stays
  // paid until "Delete MOS" or a new "Pick MOS".
  w.innerSphere().pool.clear();
  freePurchase(ctx);
  w.skillStage = kSkillStageNone;
  w.currentActivity.clear();
}

void doubleClickSkillListIS(RuleContext& ctx, const std::string& name) {
  clickSkillList(ctx.warrior, SkillArea::InnerSphere, name);
  addSkillPointIS(ctx);
}

void clickSkillPoolIS(Warrior& w, int row) {
  w.selections.levelChoice =
      row >= 0 && static_cast<std::size_t>(row) < w.innerSphere().pool.size() ? row : -1;
  clickSkillPool(w, SkillArea::InnerSphere);
}

void removeMOS(RuleContext& ctx) {
  if (!ctx.prompter.askYesNo(kDeleteMOSQuestion, MessageIcon::Question)) return;
  takeBackSpeciality(ctx.warrior);
  loadSkills(ctx, false);
}

bool specialityTaken(const Warrior& w) { return !w.mosName1.empty() || !w.mosName2.empty(); }

void takeBackSpeciality(Warrior& w) {
  w.skillStage = kSkillStageNone;
  forgetInnerSphereTraining(w);
  w.skillButtons[kPickMOSFOS] = true;
  w.skillButtons[kAddPackage] = true;
  w.skillButtons[kChangeMOS] = false;
  restartInnerSphereSkills(w);
  w.currentActivity.clear();
}

void settleOpenedSkillStage(Warrior& w) {
  if (w.skillStage == kSkillStagePickingMos) {
    w.skillStage = kSkillStageFree;
    w.currentActivity = kPickingAdditionalSkills;
  } else if (w.skillStage == kSkillStagePackageDialog) {
    w.skillStage = kSkillStageNone;
  }
  w.electivesAnnounced = false;
  w.selections.levelChoice = -1;
}

}  // namespace dk

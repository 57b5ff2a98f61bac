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

// The names a phase offers: the specialities' own, then the common ones, each once (the first
// stays).
template <std::size_t N>
std::vector<std::string> withCommon(const std::vector<std::string>& names,
                                    const std::array<const char*, N>& common) {
  std::vector<std::string> all;
  const auto add = [&all](const std::string& name) {
    if (!name.empty() && std::find(all.begin(), all.end(), name) == all.end()) all.push_back(name);
  };
  for (const std::string& name : names) add(name);
  for (const char* name : common) add(name);
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
  w.skillStage = kSkillStageFree;  // before the reread: the list is the catalogue again
  loadSkills(ctx, false);
  w.currentActivity = kPickingAdditionalSkills;
  w.selections.levelChoice = -1;
  refillSkillPool(w, SkillArea::InnerSphere);
}

// Takes one level choice of that value from the pool; false when there is none.
bool takeChoice(std::vector<std::int16_t>& pool, std::int64_t value) {
  const auto it = std::find(pool.begin(), pool.end(), value);
  if (it == pool.end()) return false;
  pool.erase(it);
  return true;
}

bool offers(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The elective phase as a file saved in it leaves it: every skill on the list had its required
// choice, if it was offered one, and perhaps one elective choice. Finds the choices each skill
// can have had (from `at` on), taking them from `pool`; of the ways that fit, skill by skill the
// one without an elective choice first, so that the electives are offered again where the file
// allows. `gotElective` says which skills had one.
bool electiveReading(const std::vector<SkillEntry>& owned, std::size_t at,
                     const std::vector<std::string>& required,
                     const std::vector<std::string>& electives, std::vector<std::int16_t>& pool,
                     std::vector<bool>& gotElective) {
  if (at == owned.size()) return true;
  const std::int64_t level = skillLevel(owned[at]);
  const bool isRequired = offers(required, owned[at].name);
  const bool isElective = offers(electives, owned[at].name);
  const auto tryWith = [&](std::int64_t requiredValue, std::int64_t electiveValue) {
    std::vector<std::int16_t> left = pool;
    if (requiredValue > 0 && !takeChoice(left, requiredValue)) return false;
    if (electiveValue > 0 && !takeChoice(left, electiveValue)) return false;
    gotElective[at] = electiveValue > 0;
    if (!electiveReading(owned, at + 1, required, electives, left, gotElective)) return false;
    pool = std::move(left);
    return true;
  };
  if (isRequired && tryWith(level, 0)) return true;
  if (!isElective) return false;
  if (!isRequired) return tryWith(0, level);
  // A required skill offered again among the electives: its level is the sum of two choices.
  std::vector<std::int16_t> values = pool;
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  for (const std::int16_t first : values)
    if (level - first > 0 && tryWith(first, level - first)) return true;
  return false;
}

// Puts a picking read back from a file where it stood when saved: the names still to be picked
// and the level choices not yet handed out follow from the specialities' lists, the package
// type's choices and the skills on the list. False, changing nothing, where the file cannot have
// been saved while picking (a skill no list offered, a level no choice gives, nothing left to
// pick or to give).
bool resumePicking(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  const PackageType* type = findPackageType(w.packageName);
  if (!type || !specialityTaken(w) || w.skillsBought) return false;
  const auto& owned = w.innerSphere().skills;
  const std::vector<std::string> required =
      withCommon(filled(w.requiredSkills), kCommonRequiredSkills);
  const std::vector<std::string> electives = withCommon(filled(w.electiveSkills), kCommonElectives);
  std::vector<std::int16_t> pool(type->levels.begin(), type->levels.end());
  if (owned.size() > pool.size()) return false;
  const auto isOwned = [&owned](const std::string& name) {
    return findOwnedSkill(owned, name) != nullptr;
  };
  std::vector<std::string> choices;
  const bool requiredPhase = !std::all_of(required.begin(), required.end(), isOwned);
  if (requiredPhase) {
    // One choice for each required skill given so far; the others are still to be picked.
    for (const SkillEntry& s : owned)
      if (!offers(required, s.name) || !takeChoice(pool, skillLevel(s))) return false;
    for (const std::string& name : required)
      if (!isOwned(name)) choices.push_back(name);
  } else {
    std::vector<bool> gotElective(owned.size(), false);
    if (!electiveReading(owned, 0, required, electives, pool, gotElective)) return false;
    for (const std::string& name : electives) {
      const SkillEntry* s = findOwnedSkill(owned, name);
      if (!s || !gotElective[static_cast<std::size_t>(s - owned.data())]) choices.push_back(name);
    }
  }
  // A picking with nothing left to pick or to give had ended before the save.
  if (pool.empty() || choices.empty()) return false;
  offerChoices(ctx, choices);
  w.innerSphere().pool = std::move(pool);
  w.electivesAnnounced = !requiredPhase;
  return true;
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
  w.currentActivity = trainingPhaseText(w);
  w.innerSphere().pool.assign(type->levels.begin(), type->levels.end());
  w.selections.levelChoice = -1;
  updateSkillRolls(ctx);
}

void addSkillPointIS(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  if (w.skillStage != kSkillStagePickingMos) {
    addSkillPoint(ctx, SkillArea::InnerSphere);
    w.currentActivity = trainingPhaseText(w);  // a first level after a speciality
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
    w.electivesAnnounced = true;
    w.currentActivity = trainingPhaseText(w);
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
  // An emptied list starts the area over, after a speciality's picking too.
  if (!picking || w.skillStage == kSkillStagePickingMos) {
    w.currentActivity = trainingPhaseText(w);
    return;
  }
  // The list ran empty while the choices were given, which starts the area over: the choices
  // not given go, the speciality's price stays paid until "Delete MOS" or a new "Pick MOS".
  w.innerSphere().pool.clear();
  freePurchase(ctx);
  w.skillStage = kSkillStageNone;
  w.currentActivity = trainingPhaseText(w);
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
  w.currentActivity = trainingPhaseText(w);
}

std::string trainingPhaseText(const Warrior& w) {
  if (w.skillStage == kSkillStagePickingMos)
    return (w.electivesAnnounced ? "Picking electives for " : "Picking required skills for ") +
           bothNames(w);
  if (w.skillStage == kSkillStageFree && specialityTaken(w)) return kPickingAdditionalSkills;
  return "";
}

void settleOpenedSkillStage(Warrior& w) {
  const bool wasPicking = w.skillStage == kSkillStagePickingMos;
  if (wasPicking) {
    w.skillStage = kSkillStageFree;
  } else if (w.skillStage == kSkillStagePackageDialog) {
    w.skillStage = kSkillStageNone;
  }
  w.electivesAnnounced = false;
  w.selections.levelChoice = -1;
  // A picking that cannot go on ends as one whose level choices ran out.
  w.currentActivity = wasPicking ? kPickingAdditionalSkills : trainingPhaseText(w);
}

void resumeOpenedTraining(RuleContext& ctx) {
  Warrior& w = ctx.warrior;
  w.selections.levelChoice = -1;
  if (w.skillStage == kSkillStagePickingMos && resumePicking(ctx)) {
    w.currentActivity = trainingPhaseText(w);
    return;
  }
  settleOpenedSkillStage(w);
}

}  // namespace dk

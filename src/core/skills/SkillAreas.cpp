#include "core/skills/SkillAreas.h"

#include <algorithm>

#include "core/files/SkillFile.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

bool isInnerSphere(SkillArea area) { return area == SkillArea::InnerSphere; }

bool skillListHas(const std::vector<CatalogueRow>& rows, const std::string& name) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const CatalogueRow& row) { return row.name == name; });
}

// An emptied owned list opens the package choices of its area again.
void reopenIfEmpty(Warrior& w, SkillArea area) {
  if (!w.area(area).skills.empty()) return;
  w.skillsBought = false;
  if (isInnerSphere(area)) {
    w.skillButtons[kAddPackage] = true;
    w.skillButtons[kPickMOSFOS] = true;
    w.skillButtons[kChangeMOS] = true;
    w.skillStage = kSkillStageNone;
    w.selections.owned(SkillArea::InnerSphere).clear();
  } else {
    w.clanAddPackageEnabled = true;
  }
}

}  // namespace

std::int16_t trainedLevels(const SkillTraining& training, const std::string& name) {
  for (const TrainedSkill& s : training.skills)
    if (s.name == name) return s.levels;
  return 0;
}

std::int64_t levelPrice(const SkillTraining& training, const std::string& name,
                        std::int64_t level) {
  return level > trainedLevels(training, name) ? std::max<std::int64_t>(level, 0) : 0;
}

void forgetTraining(Warrior& w, SkillArea area) { w.area(area).training = SkillTraining{}; }

void forgetInnerSphereTraining(Warrior& w) {
  forgetTraining(w, SkillArea::InnerSphere);
  w.mosName1.clear();
  w.mosName2.clear();
  w.mosIndex1 = 0;
  w.mosIndex2 = 0;
  w.packageIndex = 0;
  w.electivesAnnounced = false;
}

const SkillEntry* findOwnedSkill(const std::vector<SkillEntry>& skills, const std::string& name) {
  const auto it = std::find_if(skills.begin(), skills.end(),
                               [&](const SkillEntry& s) { return s.name == name; });
  return it == skills.end() ? nullptr : &*it;
}

SkillEntry* findOwnedSkill(std::vector<SkillEntry>& skills, const std::string& name) {
  return const_cast<SkillEntry*>(
      findOwnedSkill(static_cast<const std::vector<SkillEntry>&>(skills), name));
}

std::int64_t boughtSkillPoints(const std::vector<SkillEntry>& skills,
                               const SkillTraining& training) {
  std::int64_t bought = 0;
  for (const SkillEntry& s : skills) {
    const std::int64_t level = std::max<std::int64_t>(skillLevel(s), 0);
    const std::int64_t trained = std::min<std::int64_t>(trainedLevels(training, s.name), level);
    bought += level * (level + 1) / 2 - trained * (trained + 1) / 2;
  }
  return bought;
}

std::int64_t skillPointsSpent(const std::vector<SkillEntry>& skills) {
  return boughtSkillPoints(skills, SkillTraining{});
}

void chargeSkillPoints(std::vector<std::int16_t>& pool, std::int64_t cost) {
  const std::int64_t left =
      std::max<std::int64_t>(0, static_cast<std::int64_t>(pool.size()) - cost);
  pool.assign(static_cast<std::size_t>(left), 1);
}

void refundSkillPoints(std::vector<std::int16_t>& pool, std::int64_t points) {
  const std::int64_t room =
      static_cast<std::int64_t>(kMaxPoolEntries) - static_cast<std::int64_t>(pool.size());
  const std::int64_t added = std::clamp<std::int64_t>(points, 0, std::max<std::int64_t>(room, 0));
  pool.insert(pool.end(), static_cast<std::size_t>(added), 1);
}

void restartInnerSphereSkills(Warrior& w) {
  w.innerSphere().skills.clear();
  w.selections.owned(SkillArea::InnerSphere).clear();
  w.skillsBought = false;
  w.innerSphere().pool.clear();
  refundSkillPoints(w.innerSphere().pool, skillPointsGranted(w));
  w.selections.levelChoice = -1;
}

std::int64_t skillPoolTotal(const std::vector<std::int16_t>& pool) {
  std::int64_t total = 0;
  for (auto entry : pool) total += entry;
  return total;
}

void showSkillCatalogue(Warrior& w, SkillArea area, const SkillCatalogue& catalogue) {
  auto& rows = w.area(area).list;
  rows.clear();
  for (const CatalogueSkill& skill : catalogue.skills)
    rows.push_back({skill.name, shownCharacteristic(skill)});
  w.selections.skillList(area).clear();
}

bool loadSkills(RuleContext& ctx, bool report) {
  Warrior& w = ctx.warrior;
  Result<SkillCatalogue> read = readSkillCatalogue(ctx.shared.catalogueFolders());
  const bool sound = read.ok();
  if (!sound && report) ctx.prompter.showMessage(read.message(), MessageIcon::Information);
  // A damaged file leaves the lists empty and the shared table as an earlier read left it.
  static const SkillCatalogue kNone;
  if (sound) ctx.shared.skillCatalogue = std::move(*read);
  const SkillCatalogue& shown = sound ? ctx.shared.skillCatalogue : kNone;
  if (w.skillStage == kSkillStagePickingMos) {
    // While a speciality is picked the list is its choice list: only the classes are read anew.
    for (CatalogueRow& row : w.innerSphere().list)
      row.shown = getSkillCharacteristic(ctx.shared.skillCatalogue, row.name);
  } else {
    showSkillCatalogue(w, SkillArea::InnerSphere, shown);
  }
  showSkillCatalogue(w, SkillArea::Clan, shown);
  return sound;
}

void addSkill(RuleContext& ctx, const std::string& name, int levels, SkillArea area,
              Charge charge) {
  Warrior& w = ctx.warrior;
  auto& skills = w.area(area).skills;
  SkillTraining& training = w.area(area).training;
  std::int64_t level = clampToInt16(levels);
  SkillEntry* skill = findOwnedSkill(skills, name);
  if (skill) {
    level = clampToInt16(std::int64_t{skillLevel(*skill)} + levels);
    skill->level = toText(level);
  } else {
    skills.push_back({name, toText(level), ""});
    skill = &skills.back();
  }
  updateSkillRoll(*skill, w, ctx.shared.skillCatalogue);
  if (charge == Charge::Pool) {
    chargeSkillPoints(w.area(area).pool, levelPrice(training, name, level));
    return;
  }
  const auto trained = std::find_if(training.skills.begin(), training.skills.end(),
                                    [&](const TrainedSkill& s) { return s.name == name; });
  if (trained == training.skills.end()) {
    training.skills.push_back({name, clampToInt16(levels)});
  } else {
    trained->levels = clampToInt16(std::int64_t{trained->levels} + levels);
  }
}

void removeSkill(RuleContext& ctx, const std::string& name, SkillArea area) {
  Warrior& w = ctx.warrior;
  auto& skills = w.area(area).skills;
  if (SkillEntry* skill = findOwnedSkill(skills, name)) {
    const std::int16_t level = skillLevel(*skill);
    refundSkillPoints(w.area(area).pool, levelPrice(w.area(area).training, name, level));
    // A level of 0 or below (only an edited file has one) goes at once instead of counting
    // further down for ever.
    if (level <= 1) {
      skills.erase(skills.begin() + (skill - skills.data()));
      if (w.selections.owned(area) == name) w.selections.owned(area).clear();
    } else {
      skill->level = toText(level - 1);
    }
  } else {
    ctx.prompter.showError(kSkillNotOwnedError);
  }
  updateSkillRolls(ctx);
}

void addSkillPoint(RuleContext& ctx, SkillArea area) {
  Warrior& w = ctx.warrior;
  const bool innerSphere = isInnerSphere(area);
  // Stage 2 is the package dialog, stage 3 the speciality picking, which has its own command.
  if (innerSphere && w.skillStage != kSkillStageNone && w.skillStage != kSkillStageFree &&
      w.skillStage != kSkillStagePackageApplied) {
    return;
  }
  const std::string name = w.selections.skillList(area);
  if (name.empty()) {
    ctx.prompter.showMessage(kSelectSkillToAdd, MessageIcon::Information);
    return;
  }
  auto& pool = w.area(area).pool;
  const SkillEntry* owned = findOwnedSkill(w.area(area).skills, name);
  const std::int64_t needed =
      levelPrice(w.area(area).training, name, (owned ? std::int64_t{skillLevel(*owned)} : 0) + 1);
  if (static_cast<std::int64_t>(pool.size()) < needed) {
    // The Inner Sphere area shows a plain box unless the pool is empty.
    const bool plain = innerSphere && !pool.empty();
    ctx.prompter.showMessage(kNotEnoughSkillPoints,
                             plain ? MessageIcon::None : MessageIcon::Information);
    return;
  }
  addSkill(ctx, name, 1, area);
  if (w.skillsBought) return;
  // The first level bought closes the package choices until the area is empty again.
  w.skillsBought = true;
  if (innerSphere) {
    w.skillButtons[kAddPackage] = false;
    w.skillButtons[kPickMOSFOS] = false;
    w.skillButtons[kChangeMOS] = false;
    w.skillStage = kSkillStageFree;
  } else {
    w.clanAddPackageEnabled = false;
    // A package still held (its skills were taken off and are put back) can still go.
    w.clanDelPackageEnabled = w.clanPackageTaken;
  }
}

void removeSkillPoint(RuleContext& ctx, SkillArea area) {
  Warrior& w = ctx.warrior;
  reopenIfEmpty(w, area);
  std::string& selected = w.selections.owned(area);
  // The selection names a row of the list; a row that went by a reset takes it along.
  if (!findOwnedSkill(w.area(area).skills, selected)) selected.clear();
  if (selected.empty()) {
    ctx.prompter.showMessage(kSelectSkillToRemove, MessageIcon::Information);
  } else {
    removeSkill(ctx, std::string(selected), area);
  }
  reopenIfEmpty(w, area);
}

void clickSkillList(Warrior& w, SkillArea area, const std::string& name) {
  if (skillListHas(w.area(area).list, name)) w.selections.skillList(area) = name;
}

void clickOwnedSkill(Warrior& w, SkillArea area, const std::string& name) {
  if (findOwnedSkill(w.area(area).skills, name)) w.selections.owned(area) = name;
}

void doubleClickSkillList(RuleContext& ctx, SkillArea area, const std::string& name) {
  clickSkillList(ctx.warrior, area, name);
  if (isInnerSphere(area)) addSkillPoint(ctx, area);
}

void doubleClickOwnedSkill(RuleContext& ctx, SkillArea area, const std::string& name) {
  clickOwnedSkill(ctx.warrior, area, name);
  if (isInnerSphere(area)) removeSkillPoint(ctx, area);
}

void clickSkillPool(Warrior& w, SkillArea area) {
  if (isInnerSphere(area)) w.selections.skillList(SkillArea::InnerSphere).clear();
}

void clickClanSkillsHeading(Warrior& w, int column) {
  if (column >= 0 && column <= 2) w.selections.clanSortColumn = column;
}

std::optional<std::string> askWhichSkill(RuleContext& ctx) {
  return ctx.prompter.pickSkill(catalogueSkillNames(ctx.shared.skillCatalogue));
}

void resetActiveSkillArea(Warrior& w) { resetSkillArea(w, activeSkillArea(w)); }

void resetSkillArea(Warrior& w, SkillArea area) {
  w.area(area).skills.clear();
  w.selections.owned(area).clear();
  if (isInnerSphere(area)) {
    forgetInnerSphereTraining(w);
  } else {
    forgetTraining(w, area);
  }
  if (!isInnerSphere(area)) {
    w.clanAddPackageEnabled = true;
    w.clanDelPackageEnabled = false;
    // The package went with its skills: nothing is left to ask about at the next change.
    w.clanPackageTaken = false;
  } else {
    w.skillButtons[kAddPackage] = true;
    w.skillButtons[kDelPackage] = false;
  }
  w.skillsBought = false;
}

std::int16_t skillPointsGranted(const Warrior& w) {
  return std::max<std::int16_t>(0, clampToInt16(integerPart(w.priorityGrant[kSkills])));
}

}  // namespace dk

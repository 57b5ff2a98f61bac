#include "core/app/Explain.h"

#include <algorithm>

#include "core/character/Attributes.h"
#include "core/character/SkillRolls.h"
#include "core/gear/Advantages.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {}  // namespace

std::string skillPriceTip(const Warrior& w, SkillArea area, const std::string& skill) {
  const SkillEntry* owned = findOwnedSkill(w.area(area).skills, skill);
  const std::int64_t next = (owned ? std::int64_t{skillLevel(*owned)} : 0) + 1;
  const std::string level = "Level " + toText(next) + " of " + skill;
  if (area == SkillArea::InnerSphere && w.skillStage == kSkillStagePickingMos)
    return level + " is handed out by the speciality being picked.";
  const std::int64_t price = levelPrice(w.area(area).training, skill, next);
  if (price == 0) return level + " comes with the training, for no points.";
  return level + " costs " + countText(price, "skill point", "skill points") + ".";
}

std::string advantagePriceTip(const std::string& advantage) {
  const AdvantageRule* rule = advantageRule(advantage);
  if (!rule) return {};
  std::string tip = "Costs " + countText(rule->price, "advantage point", "advantage points");
  if (advantage == kNaturalAptitude) {
    tip += " (" + countText(kNaturalAptitudeCombatPrice, "advantage point", "advantage points") +
           " for a combat skill); taken once.";
  } else if (rule->stepped) {
    tip += " a level, up to level " + toText(rule->highestLevel) + ".";
  } else {
    tip += "; taken once.";
  }
  return rule->clanOnly ? tip + " For clan warriors only." : tip;
}

std::string gearPriceTip(const GearRow& row) {
  const auto price = readAmount(row.cost);
  if (!price) return "Its cost \"" + row.cost + "\" is not a number: it cannot be bought.";
  return "Costs " + trimBlanks(row.cost) + " C-Bills.";
}

std::string derivedTip(const std::string& shown, const Formula& formula) {
  if (shown == toText(formula.value())) return formula.text();
  return formula.name + " shows " + shown + " as it was set; worked out anew it is " +
         formula.text() + ".";
}

std::string freeAttributePointsTip(const Warrior& w) {
  const Formula free = freeAttributePointsFormula(w);
  if (!w.attributesTouched)
    return "Free shows the whole attributes grant, " + w.freeAttributePoints +
           ", until the first score is raised; then " + free.text() + ".";
  return derivedTip(w.freeAttributePoints, free);
}

std::string skillRollTip(const SkillEntry& skill, const Warrior& w,
                         const SkillCatalogue& catalogue) {
  if (!knowsSkill(catalogue, skill.name)) return kNotInCatalogues;
  const auto roll = skillRollFormula(skill, w, catalogue);
  return roll ? derivedTip(skill.roll, *roll) : std::string();
}

std::string ownedGearTip(const GearEntry& gear, const GearCatalogue& catalogue) {
  return catalogue.find(gear.name) ? std::string() : kNotInCatalogues;
}

std::string unknownRowsNote(const Warrior& w, const SkillCatalogue& skills,
                            const GearCatalogue& weapons, const GearCatalogue& equipment) {
  std::int64_t unknown = 0;
  for (const SkillArea area : {SkillArea::InnerSphere, SkillArea::Clan})
    for (const SkillEntry& s : w.area(area).skills)
      if (!knowsSkill(skills, s.name)) ++unknown;
  for (const auto& [list, catalogue] :
       {std::pair{&w.weapons, &weapons}, {&w.equipment, &equipment}})
    for (const GearEntry& g : *list)
      if (!catalogue->find(g.name)) ++unknown;
  if (unknown == 0) return {};
  return (unknown == 1 ? std::string("A row of ") : toText(unknown) + " rows of ") +
         quotedName(w.name, "this warrior") + (unknown == 1 ? " is" : " are") +
         " not in the catalogues here: kept as they are, their prices count as 0.";
}

std::string closedButtonTip(const Warrior& w, SkillButton button) {
  if (w.skillButtons[button]) return {};
  static constexpr const char* kNames[kSkillButtonCount] = {"Add Pt", "Pick MOS",   "Add Package",
                                                            "Rem Pt", "Delete MOS", "Del Package"};
  const std::string name = kNames[button];
  switch (button) {
    case kPickMOSFOS:
    case kAddPackage:
      if (specialityTaken(w))
        return name + " is closed while a speciality is taken: Delete MOS takes it back first.";
      if (packageTaken(w))
        return name + " is closed while a skill package is taken: Del Package takes it back first.";
      return name + " is available until the first skill point is bought.";
    case kChangeMOS:
      if (!specialityTaken(w)) return "Delete MOS takes back a speciality; none is taken.";
      return "Delete MOS is closed once a skill point is bought on top of the speciality.";
    case kDelPackage:
      if (!packageTaken(w)) return "Del Package takes back a skill package; none is taken.";
      return "Del Package is closed once a skill point is bought on top of the package.";
    default:
      return name + " is closed at this point of the training.";
  }
}

std::string closedClanPackageTip(const Warrior& w, bool add) {
  if (add)
    return clanPackageAvailable(w) ? std::string()
                                   : "Add Package is available while the clan skill list is empty.";
  return w.clanDelPackageEnabled ? std::string()
                                 : "Del Package takes back a clan package; none is taken.";
}

}  // namespace dk

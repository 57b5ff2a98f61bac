#include "core/app/Commands.h"

#include <array>
#include <utility>

#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/character/Race.h"
#include "core/gear/Advantages.h"
#include "core/gear/Gear.h"
#include "core/gear/Money.h"
#include "core/gear/Planets.h"
#include "core/model/DamageTrack.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SkillAreas.h"
#include "core/skills/SkillCommands.h"
#include "core/skills/SkillPackages.h"
#include "core/skills/SpecialityPicking.h"

namespace dk {

namespace {

using Rule = std::function<void(RuleContext&)>;

Command named(std::string label, Rule rule) {
  return {[label = std::move(label)](const Warrior&) { return label; }, std::move(rule)};
}

// A command that only changes what the warrior's lists have selected.
Command selecting(std::function<void(Warrior&)> select) {
  return {[](const Warrior&) { return std::string(); },
          [select = std::move(select)](RuleContext& ctx) { select(ctx.warrior); }};
}

// While a speciality is picked, "Add Pt -->" hands a level choice out rather than buying.
std::string addPointLabel(const Warrior& w, SkillArea area, const std::string& skill) {
  const bool picking = area == SkillArea::InnerSphere && w.skillStage == kSkillStagePickingMos;
  return (picking ? "Give " : "Buy ") + skill;
}

}  // namespace

namespace commands {

Command movePriority(Pool pool, int level) {
  return named(std::string(poolTitle(pool)) + " Priority",
               [pool, level](RuleContext& ctx) { movePriorityBar(ctx, pool, level); });
}

Command priorityAtBound(Pool pool, bool up) {
  return {[](const Warrior&) { return std::string(); },
          [pool, up](RuleContext& ctx) {
            ctx.prompter.note(priorityBoundNote(ctx.warrior, pool, up));
          }};
}

Command raiseAttribute(Attribute a) {
  return named(std::string("Raise ") + attributeTitle(a),
               [a](RuleContext& ctx) { dk::raiseAttribute(ctx, a); });
}

Command lowerAttribute(Attribute a) {
  return named(std::string("Lower ") + attributeTitle(a),
               [a](RuleContext& ctx) { dk::lowerAttribute(ctx, a); });
}

Command addRaceMods() { return named("Add Race Mods", &dk::addRaceMods); }
Command removeRaceMods() { return named("Delete Race Mods", &dk::removeRaceMods); }

Command setDamageBox(int row, int column, bool ticked) {
  return named(ticked ? "Tick Damage Box" : "Clear Damage Box", [=](RuleContext& ctx) {
    ctx.warrior.damageBoxes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
        ticked ? 1 : 0;
  });
}

Command fillDamageRow(int row) {
  return named("Fill Damage Row", [row](RuleContext& ctx) { dk::fillDamageRow(ctx.warrior, row); });
}

Command clearDamageRow(int row) {
  return named("Clear Damage Row",
               [row](RuleContext& ctx) { dk::clearDamageRow(ctx.warrior, row); });
}

Command addSkillPoint(SkillArea area) {
  return {[area](const Warrior& w) { return addPointLabel(w, area, w.selections.skillList(area)); },
          [area](RuleContext& ctx) { addSkillPointIn(ctx, area); }};
}

Command removeSkillPoint(SkillArea area) {
  return {[area](const Warrior& w) { return "Remove " + w.selections.owned(area); },
          [area](RuleContext& ctx) { removeSkillPointIn(ctx, area); }};
}

Command takeCatalogueSkill(SkillArea area, std::string skill) {
  return {[area, skill](const Warrior& w) { return addPointLabel(w, area, skill); },
          [area, skill](RuleContext& ctx) { doubleClickCatalogueSkill(ctx, area, skill); }};
}

Command dropOwnedSkill(SkillArea area, std::string skill) {
  std::string label = "Remove " + skill;
  return named(std::move(label), [area, skill = std::move(skill)](RuleContext& ctx) {
    doubleClickOwnedSkillIn(ctx, area, skill);
  });
}

Command addPackage(SkillArea area) {
  return named("Add Package",
               area == SkillArea::Clan ? Rule(&addClanPackage) : Rule(&dk::addPackage));
}

Command removePackage(SkillArea area) {
  return named("Del Package",
               area == SkillArea::Clan ? Rule(&removeClanPackage) : Rule(&dk::removePackage));
}

Command pickSpeciality() { return named("Pick MOS", &pickMOS); }
Command removeSpeciality() { return named("Delete MOS", &removeMOS); }

Command selectCatalogueSkill(SkillArea area, std::string skill) {
  return selecting(
      [area, skill = std::move(skill)](Warrior& w) { clickSkillList(w, area, skill); });
}

Command selectOwnedSkill(SkillArea area, std::string skill) {
  return selecting(
      [area, skill = std::move(skill)](Warrior& w) { clickOwnedSkill(w, area, skill); });
}

Command selectPoolEntry(SkillArea area, int row) {
  // While a speciality is picked the Inner Sphere pool holds level choices: the entry clicked
  // is the one handed out next.
  return selecting([area, row](Warrior& w) {
    if (area == SkillArea::InnerSphere) {
      clickSkillPoolIS(w, row);
    } else {
      clickSkillPool(w, area);
    }
  });
}

Command sortClanSkills(int column) {
  return selecting([column](Warrior& w) { clickClanSkillsHeading(w, column); });
}

Command buyAdvantage() {
  return {[](const Warrior& w) { return "Buy " + w.selections.advantage; }, &dk::buyAdvantage};
}

Command takeAdvantage(std::string advantage) {
  std::string label = "Buy " + advantage;
  return named(std::move(label), [advantage = std::move(advantage)](RuleContext& ctx) {
    doubleClickAdvantage(ctx, advantage);
  });
}

Command selectAdvantage(std::string advantage) {
  return selecting(
      [advantage = std::move(advantage)](Warrior& w) { w.selections.advantage = advantage; });
}

Command resetAdvantages() { return named("Reset Advantages", &dk::resetAdvantages); }

Command buyGear(GearKind kind, const GearCatalogue& catalogue) {
  return {[kind](const Warrior& w) {
            const ListSelections& s = w.selections;
            return "Buy " + (kind == GearKind::Weapons ? s.weaponRow : s.equipmentRow);
          },
          [kind, &catalogue](RuleContext& ctx) { dk::buyGear(ctx, kind, catalogue); }};
}

Command returnGear(GearKind kind, const GearCatalogue& catalogue) {
  return {[kind](const Warrior& w) {
            const ListSelections& s = w.selections;
            return "Return " + (kind == GearKind::Weapons ? s.weapon : s.equipment);
          },
          [kind, &catalogue](RuleContext& ctx) { removeGear(ctx, kind, catalogue); }};
}

Command selectCatalogueGear(GearKind kind, std::string row) {
  return selecting(
      [kind, row = std::move(row)](Warrior& w) { selectedCatalogueRow(w, kind) = row; });
}

Command selectOwnedGear(GearKind kind, std::string row) {
  return selecting([kind, row = std::move(row)](Warrior& w) { selectedGear(w, kind) = row; });
}

Command takeCatalogueGear(GearKind kind, const GearCatalogue& catalogue, std::string row) {
  std::string label = "Buy " + row;
  return named(std::move(label), [kind, &catalogue, row = std::move(row)](RuleContext& ctx) {
    doubleClickCatalogueGear(ctx, kind, catalogue, row);
  });
}

Command returnOwnedGear(GearKind kind, const GearCatalogue& catalogue, std::string row) {
  std::string label = "Return " + row;
  return named(std::move(label), [kind, &catalogue, row = std::move(row)](RuleContext& ctx) {
    doubleClickOwnedGear(ctx, kind, catalogue, row);
  });
}

Command choosePlanet() { return named("Home Planet", &dk::choosePlanet); }
Command transferEquipmentCBills() {
  return named("Transfer Equipment C-Bills", &dk::transferEquipmentCBills);
}
Command modifyCBills() { return named("Modify C-Bills", &dk::modifyCBills); }
Command modifyPriorityPoints() {
  return named("Modify Priority Points", &dk::modifyPriorityPoints);
}

}  // namespace commands
}  // namespace dk

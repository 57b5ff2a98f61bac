#pragma once
// Every command a button, a menu item or a double click of a warrior window runs, as data: the
// name of the undo step it makes and its rule. The name is worked out from the warrior as it
// stands when the command is given (what is selected, whether a speciality is being picked), so
// a page only binds a control to a command and the click crosses into the core once.

#include <functional>
#include <string>

#include "core/catalogue/GearCatalogue.h"
#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"

namespace dk {

struct Command {
  // The step's name for the Edit menu ("Raise Build", "Buy Small Arms"); a command that only
  // selects names none and makes no step.
  std::function<std::string(const Warrior&)> label;
  std::function<void(RuleContext&)> rule;
};

namespace commands {

// --- Priorities and attributes
Command movePriority(Pool pool, int level);   // "Skills Priority"
Command priorityAtBound(Pool pool, bool up);  // a click past the bar's end: says why, no step
Command raiseAttribute(Attribute a);          // "Raise Build"
Command lowerAttribute(Attribute a);          // "Lower Build"
Command addRaceMods();
Command removeRaceMods();
Command setDamageBox(int row, int column, bool ticked);  // "Tick Damage Box", "Clear Damage Box"
Command fillDamageRow(int row);
Command clearDamageRow(int row);

// --- Skills, in either area. "Add Pt -->" buys a level ("Buy Gunnery") or, while a speciality
// is being picked, hands a level choice out ("Give Gunnery").
Command addSkillPoint(SkillArea area);
Command removeSkillPoint(SkillArea area);
Command takeCatalogueSkill(SkillArea area, std::string skill);  // a double click in the list
Command dropOwnedSkill(SkillArea area, std::string skill);      // a double click on an owned one
Command addPackage(SkillArea area);
Command removePackage(SkillArea area);
Command pickSpeciality();
Command removeSpeciality();
Command selectCatalogueSkill(SkillArea area, std::string skill);
Command selectOwnedSkill(SkillArea area, std::string skill);
Command selectPoolEntry(SkillArea area, int row);
Command sortClanSkills(int column);

// --- Advantages
Command buyAdvantage();
Command takeAdvantage(std::string advantage);  // a double click
Command resetAdvantages();
Command selectAdvantage(std::string advantage);

// --- Weapons and equipment, bought from and returned to the window's catalogue
Command buyGear(GearKind kind, const GearCatalogue& catalogue);
Command returnGear(GearKind kind, const GearCatalogue& catalogue);
Command takeCatalogueGear(GearKind kind, const GearCatalogue& catalogue, std::string row);
Command returnOwnedGear(GearKind kind, const GearCatalogue& catalogue, std::string row);
Command selectCatalogueGear(GearKind kind, std::string row);
Command selectOwnedGear(GearKind kind, std::string row);

// --- Warrior Info and the gamemaster's options
Command choosePlanet();
Command transferEquipmentCBills();
Command modifyCBills();
Command modifyPriorityPoints();

}  // namespace commands
}  // namespace dk

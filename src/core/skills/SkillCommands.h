#pragma once
// The commands of either skill area as its buttons and lists give them: which rule "Add Pt -->"
// and a double click run in each area, and the order the owned list shows its rows in.

#include <string>
#include <vector>

#include "core/context/RuleContext.h"
#include "core/skills/SkillAreas.h"

namespace dk {

// "Add Pt -->": in the Inner Sphere area it hands out a level choice while a speciality is
// picked and buys a level otherwise; in the clan area it buys a level.
void addSkillPointIn(RuleContext& ctx, SkillArea area);

// "<-- Rem Pt", and a double click on an owned row (the Inner Sphere area selects it and takes a
// level off; the clan area only selects it).
void removeSkillPointIn(RuleContext& ctx, SkillArea area);
void doubleClickOwnedSkillIn(RuleContext& ctx, SkillArea area, const std::string& name);

// A double click on a catalogue row: the Inner Sphere area selects it and runs "Add Pt -->"; the
// clan area only selects it.
void doubleClickCatalogueSkill(RuleContext& ctx, SkillArea area, const std::string& name);

// The owned skills in the order their list shows them: purchase order, or for the clan list the
// order of the heading last clicked (names as text, levels and rolls as numbers).
std::vector<SkillEntry> shownOwnedSkills(const Warrior& w, SkillArea area);

}  // namespace dk

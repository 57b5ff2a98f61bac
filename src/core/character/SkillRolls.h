#pragma once
// Skill rolls: the roll of an owned skill is the characteristic of its class minus its level.
// The class is the one the shared catalogue gives the skill's name; a skill whose class is
// unknown keeps the roll it has.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/catalogue/SkillCatalogue.h"
#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"
#include "core/util/Formula.h"

namespace dk {

// A level as the rules count it: the integer part of its text, within 16 bits.
std::int16_t skillLevel(const SkillEntry& skill);

// How the roll of a skill is worked out ("Gunnery roll 7 = Physical 9 − level 2"); nullopt for
// a skill whose class the catalogue does not know (its roll stays as it is).
std::optional<Formula> skillRollFormula(const SkillEntry& skill, const Warrior& w,
                                        const SkillCatalogue& catalogue);

// The roll of one skill.
void updateSkillRoll(SkillEntry& skill, const Warrior& w, const SkillCatalogue& catalogue);

// Every roll of both areas, the clan list first.
void updateSkillRolls(Warrior& w, const SkillCatalogue& catalogue);
void updateSkillRolls(RuleContext& ctx);

}  // namespace dk

#include "core/character/SkillRolls.h"

#include "core/util/Numeric.h"

namespace dk {

namespace {

// The characteristic a class word takes its rolls from; -1 for none.
int characteristicOfClass(const std::string& classWord) {
  if (classWord == kClassAthletic) return kAthletic;
  if (classWord == kClassPhysical) return kPhysical;
  if (classWord == kClassMental) return kMental;
  if (classWord == kClassSocial) return kSocial;
  return -1;
}

}  // namespace

std::int16_t skillLevel(const SkillEntry& skill) { return clampToInt16(integerPart(skill.level)); }

std::optional<Formula> skillRollFormula(const SkillEntry& skill, const Warrior& w,
                                        const SkillCatalogue& catalogue) {
  const std::string classWord = getSkillCharacteristic(catalogue, skill.name);
  const int characteristic = characteristicOfClass(classWord);
  if (characteristic < 0) return std::nullopt;
  return Formula{skill.name + " roll",
                 true,
                 classWord,
                 integerPart(w.characteristic[static_cast<std::size_t>(characteristic)]),
                 {{1, "level", skillLevel(skill)}}};
}

void updateSkillRoll(SkillEntry& skill, const Warrior& w, const SkillCatalogue& catalogue) {
  if (const auto roll = skillRollFormula(skill, w, catalogue)) skill.roll = toText(roll->value());
}

void updateSkillRolls(Warrior& w, const SkillCatalogue& catalogue) {
  for (SkillEntry& skill : w.clan().skills) updateSkillRoll(skill, w, catalogue);
  for (SkillEntry& skill : w.innerSphere().skills) updateSkillRoll(skill, w, catalogue);
}

void updateSkillRolls(RuleContext& ctx) {
  updateSkillRolls(ctx.warrior, ctx.shared.skillCatalogue);
}

}  // namespace dk

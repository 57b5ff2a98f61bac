#pragma once
// The skill catalogue: every skill the game knows with the characteristic class its roll is
// taken from. One table is shared by the whole application for look-ups by name; each warrior
// window shows it in its two catalogue lists. files/SkillFile reads it from "skills.dat".

#include <string>
#include <vector>

namespace dk {

inline constexpr int kMaxCatalogueSkills = 200;

inline constexpr char kClassAthletic[] = "Athletic";
inline constexpr char kClassPhysical[] = "Physical";
inline constexpr char kClassMental[] = "Mental";
inline constexpr char kClassSocial[] = "Social";

struct CatalogueSkill {
  std::string name;
  std::string code;       // as read
  std::string classWord;  // empty when the code names no class
  bool operator==(const CatalogueSkill&) const = default;
};

struct SkillCatalogue {
  std::vector<CatalogueSkill> skills;  // file order, at most 200
  bool operator==(const SkillCatalogue&) const = default;
};

// "P" Physical, "A" Athletic, "M" Mental, "S" Social; anything else (lower case included)
// names no class and gives an empty text.
std::string classWordForCode(const std::string& code);

// What a catalogue list shows in its "Characteristic" column: the class word, or the code as
// read when it names no class.
std::string shownCharacteristic(const CatalogueSkill& skill);

// The class word of the named skill, the name compared without regard to case; the first match
// wins. Empty when the catalogue does not know the skill.
std::string getSkillCharacteristic(const SkillCatalogue& catalogue, const std::string& name);

// Whether the catalogue holds a skill of that name (compared as the look-up above compares).
bool knowsSkill(const SkillCatalogue& catalogue, const std::string& name);

// The names of the catalogue in file order.
std::vector<std::string> catalogueSkillNames(const SkillCatalogue& catalogue);

}  // namespace dk

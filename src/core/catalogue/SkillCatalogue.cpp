#include "core/catalogue/SkillCatalogue.h"

#include <algorithm>

#include <cstddef>

namespace dk {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string classWordForCode(const std::string& code) {
  if (code == "P") return kClassPhysical;
  if (code == "A") return kClassAthletic;
  if (code == "M") return kClassMental;
  if (code == "S") return kClassSocial;
  return {};
}

std::string shownCharacteristic(const CatalogueSkill& skill) {
  return skill.classWord.empty() ? skill.code : skill.classWord;
}

std::string getSkillCharacteristic(const SkillCatalogue& catalogue, const std::string& name) {
  for (const CatalogueSkill& skill : catalogue.skills) {
    if (equalIgnoringCase(skill.name, name)) return skill.classWord;
  }
  return {};
}

bool knowsSkill(const SkillCatalogue& catalogue, const std::string& name) {
  return std::any_of(
      catalogue.skills.begin(), catalogue.skills.end(),
      [&](const CatalogueSkill& skill) { return equalIgnoringCase(skill.name, name); });
}

std::vector<std::string> catalogueSkillNames(const SkillCatalogue& catalogue) {
  std::vector<std::string> names;
  names.reserve(catalogue.skills.size());
  for (const CatalogueSkill& skill : catalogue.skills) names.push_back(skill.name);
  return names;
}

}  // namespace dk

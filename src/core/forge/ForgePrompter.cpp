#include "core/forge/ForgePrompter.h"

#include <algorithm>

#include "core/catalogue/PackageTypes.h"
#include "core/skills/PackagePicker.h"
#include "core/skills/SpecialityPicker.h"

namespace dk {

namespace {
// The chance in 100 that a speciality is joined by a second one.
constexpr int kSecondSpeciality = 20;
}  // namespace

std::optional<std::string> ForgePrompter::pickSkill(const std::vector<std::string>& names) {
  if (std::find(names.begin(), names.end(), skill) == names.end()) return std::nullopt;
  return skill;
}

std::optional<SpecialityChoice> ForgePrompter::pickSpeciality(
    const std::vector<Speciality>& specialities, int poolEntries) {
  std::vector<int> types;
  for (const PackageType& type : packageTypes()) types.push_back(type.cost <= poolEntries ? 1 : 0);
  const int type = dice_.pick(types);
  std::vector<int> weights;
  for (const Speciality& s : specialities)
    weights.push_back(forgeWeight(profile_.specialities, s.name));
  const int first = dice_.pick(weights);
  if (type < 0 || first < 0) return std::nullopt;
  SpecialityPicker picker(specialities, poolEntries);
  picker.choosePackageType(type);
  picker.select(first);
  picker.add(*this);
  if (dice_.chance(kSecondSpeciality)) {
    weights[static_cast<std::size_t>(first)] = 0;
    if (const int second = dice_.pick(weights); second >= 0) {
      picker.select(second);
      picker.add(*this);
    }
  }
  if (picker.ok(*this) != SpecialityPicker::Outcome::Confirmed) return std::nullopt;
  return picker.choice();
}

std::optional<std::vector<std::string>> ForgePrompter::pickRequiredSkills(
    const RequiredSkillRequest& request) {
  // As many rows as asked for, each skill as likely as the profile makes it.
  std::vector<int> weights;
  for (const std::string& name : request.names)
    weights.push_back(std::max(1, forgeWeight(profile_.skills, name)));
  std::vector<int> rows;
  for (int i = 0; i < request.count; ++i) {
    const int row = dice_.pick(weights);
    if (row < 0) break;
    rows.push_back(row);
    weights[static_cast<std::size_t>(row)] = 0;
  }
  std::sort(rows.begin(), rows.end());
  return confirmRequiredPick(request, rows, *this);
}

std::optional<int> ForgePrompter::pickPackage(const std::vector<SkillPackage>& packages,
                                              int points) {
  std::vector<int> weights;
  for (const SkillPackage& p : packages)
    weights.push_back(p.cost <= points ? forgeWeight(profile_.packages, p.name) : 0);
  const int row = dice_.pick(weights);
  if (row < 0) return std::nullopt;
  PackagePicker picker(packages, points);
  picker.select(row);
  return picker.ok(*this);
}

std::optional<std::string> ForgePrompter::pickPlanet(const std::vector<std::string>& planets) {
  if (planets.empty()) return std::nullopt;
  return planets[dice_.below(planets.size())];
}

}  // namespace dk

#include "skills/SkillPoints.h"

#include <algorithm>
#include <optional>

#include "catalogue/PackageTypes.h"
#include "skills/ClanPackages.h"
#include "skills/SkillPackages.h"
#include "skills/SpecialityPicking.h"
#include "util/Numeric.h"

namespace dk {

namespace {

std::int64_t value(std::int64_t level) { return level * (level + 1) / 2; }

// A package's price plus the levels bought on top of it; nullopt when the list does not hold
// every skill of the package at its level at least.
template <typename Skills, typename LevelOf>
std::optional<std::int64_t> packageCommitted(const std::vector<SkillEntry>& list,
                                             const Skills& skills, int cost, LevelOf levelOf) {
  std::int64_t committed = cost;
  for (const auto& s : skills) {
    const auto owned = std::find_if(list.begin(), list.end(),
                                    [&](const SkillEntry& e) { return e.name == s.name; });
    if (owned == list.end() || skillLevel(*owned) < levelOf(s)) return std::nullopt;
  }
  for (const SkillEntry& e : list) {
    const auto in = std::find_if(skills.begin(), skills.end(),
                                 [&](const auto& s) { return s.name == e.name; });
    committed += value(skillLevel(e)) - (in == skills.end() ? 0 : value(levelOf(*in)));
  }
  return committed;
}

std::int64_t clanCommitted(const Warrior& w) {
  const std::int64_t spent = skillPointsSpent(w.skillsClan);
  if (!w.clanPackageTaken || w.skillsClan.empty()) return spent;
  std::optional<std::int64_t> committed;
  for (const ClanPackage* p : {&clanElementalPackage(), &clanPilotPackage(),
                               &primaryClanWarriorPackage(), &secondaryClanWarriorPackage()}) {
    const auto c = packageCommitted(w.skillsClan, p->skills, p->cost,
                                    [](const PackageSkill& s) { return std::int64_t{s.level}; });
    // Of two packages the list could hold (the secondary lies inside the primary), the dearer.
    if (c && (!committed || *c > *committed)) committed = c;
  }
  return committed.value_or(spent);
}

std::int64_t innerSphereCommitted(const Warrior& w, const std::vector<SkillPackage>& packages) {
  const std::int64_t spent = skillPointsSpent(w.skillsIS);
  if (packageTaken(w) && static_cast<std::size_t>(w.packageIndex) <= packages.size() &&
      w.packageIndex > 0) {
    const SkillPackage& p = packages[static_cast<std::size_t>(w.packageIndex - 1)];
    const auto c = packageCommitted(w.skillsIS, p.skills, p.cost, [](const SkillPackageEntry& s) {
      return integerPart(s.level);
    });
    if (c) return *c;
  }
  if (specialityTaken(w)) {
    const PackageType* type = findPackageType(w.packageName);
    return std::max<std::int64_t>(type ? type->cost : 0, spent);
  }
  return spent;
}

}  // namespace

std::int64_t skillPointsCommitted(const Warrior& w, SkillArea area,
                                  const std::vector<SkillPackage>& packages) {
  return area == SkillArea::Clan ? clanCommitted(w) : innerSphereCommitted(w, packages);
}

void refillSkillPool(Warrior& w, SkillArea area, const std::vector<SkillPackage>& packages) {
  const std::int64_t left =
      std::max<std::int64_t>(0, skillPointsGranted(w) - skillPointsCommitted(w, area, packages));
  skillPool(w, area).assign(static_cast<std::size_t>(std::min<std::int64_t>(left, kMaxPoolEntries)),
                            1);
}

}  // namespace dk

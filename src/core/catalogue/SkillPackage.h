#pragma once
// A ready-made skill package of the Inner Sphere area, as read from "ispack.dat"
// (files/PackageFile): its name, its cost in skill points and its skills at their levels.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dk {

inline constexpr std::size_t kMaxPackages = 51;
inline constexpr std::size_t kMaxPackageSkills = 51;

struct SkillPackageEntry {
  std::string name;
  std::string level;  // whole number text, 1 or more
  bool operator==(const SkillPackageEntry&) const = default;
};

struct SkillPackage {
  std::string name;
  std::int16_t cost = 0;
  std::vector<SkillPackageEntry> skills;
  bool operator==(const SkillPackage&) const = default;
};

}  // namespace dk

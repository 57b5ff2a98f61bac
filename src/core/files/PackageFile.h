#pragma once
// The ready-made skill packages an Inner Sphere warrior can buy, read from "ispack.dat". One
// record: "Start <name>", the cost in skill points, then pairs of skill name and level, and
// "End" where a skill name would stand. Items between records are passed over.

#include <cstddef>
#include <string>
#include <vector>

#include "core/files/DataItems.h"
#include "core/catalogue/SkillPackage.h"
#include "core/files/SpecialityFile.h"

namespace dk {

inline constexpr char kPackageFileName[] = "ispack.dat";

struct PackageTable {
  std::vector<SkillPackage> packages;
  // The one message for the player when the file is missing or damaged; the table is then
  // empty.
  std::string problem;
};

// The table from the items of the file (read with one item more than the limit).
PackageTable parsePackages(const std::vector<DataItem>& items);

// Reads the file at path; reread each time the package dialog opens.
PackageTable loadPackages(const std::string& path = kPackageFileName);

}  // namespace dk

#pragma once
// The ready-made skill packages an Inner Sphere warrior can buy, read from "ispack.dat". One
// record: "Start <name>", the cost in skill points, then pairs of skill name and level, and
// "End" where a skill name would stand. Items between records are passed over.

#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/SkillPackage.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kPackageFileName[] = "ispack.dat";

// The packages of the items of the file (read with one item more than the limit); a missing or
// damaged file gives none, only the one message for the player.
Result<std::vector<SkillPackage>> parsePackages(const std::vector<DataItem>& items,
                                                DataFault* fault = nullptr);

// Reads the file at path; reread each time the package dialog opens.
Result<std::vector<SkillPackage>> loadPackages(const std::string& path = kPackageFileName);

}  // namespace dk

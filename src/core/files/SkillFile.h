#pragma once
// Reading the skill catalogue from "skills.dat": records of a name and a one-letter code.

#include <string>
#include <vector>

#include "core/catalogue/SkillCatalogue.h"
#include "core/files/DataItems.h"

namespace dk {

inline constexpr char kSkillsFileName[] = "skills.dat";

struct SkillCatalogueRead {
  SkillCatalogue catalogue;
  std::string fault;  // empty when the file is sound; else the whole message for the user
};

// The catalogue held in the items of a skills file. A damaged file (a record cut short, a
// skill without a name, the same name twice, more than 200 skills) gives no catalogue at all and
// the fault at its line. Blank lines between records are passed over.
SkillCatalogueRead parseSkillCatalogue(const std::vector<DataItem>& items);

// Reads and parses the skills file at path.
SkillCatalogueRead readSkillCatalogue(const std::string& path);

}  // namespace dk

#pragma once
// Reading the skill catalogue from "skills.dat": records of a name and a one-letter code.

#include <string>
#include <vector>

#include "core/catalogue/SkillCatalogue.h"
#include "core/files/DataItems.h"

namespace dk {

inline constexpr char kSkillsFileName[] = "skills.dat";

// The catalogue held in the items of a skills file. A damaged file (a record cut short, a
// skill without a name, the same name twice, more than 200 skills) gives no catalogue at all and
// the fault at its line. Blank lines between records are passed over.
// `fault`, when given, receives the fault of a damaged file apart from its message.
Result<SkillCatalogue> parseSkillCatalogue(const std::vector<DataItem>& items,
                                           DataFault* fault = nullptr);

// Reads and parses the skills file at path; the message is the whole one for the user.
Result<SkillCatalogue> readSkillCatalogue(const std::string& path);

}  // namespace dk

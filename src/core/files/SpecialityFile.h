#pragma once
// The occupational specialities (MOS/FOS) an Inner Sphere warrior can train in, read from
// "ismosfos.dat". One record: "Start <name>", the number of required skills the player chooses
// (0: every required skill is given), one item that is not used (often a description), the
// required skills, "Electives", the elective skills, "End". Items between records are passed
// over.

#include <cstddef>
#include <string>
#include <vector>

#include "core/catalogue/Specialities.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kSpecialityFileName[] = "ismosfos.dat";
// The specialities of the items of the file (read with one item more than the limit, so that
// an overlong file shows); a missing or damaged file gives none, only the one message for the
// player, so nothing of a damaged file is ever offered.
Result<std::vector<Speciality>> parseSpecialities(const std::vector<DataItem>& items,
                                                  DataFault* fault = nullptr);

// Reads the file at path; reread each time the speciality dialog opens.
Result<std::vector<Speciality>> loadSpecialities(const std::string& path = kSpecialityFileName);

}  // namespace dk

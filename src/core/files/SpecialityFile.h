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

namespace dk {

inline constexpr char kSpecialityFileName[] = "ismosfos.dat";
inline constexpr std::size_t kMaxTrainingFileItems = 256;  // both training files

struct SpecialityTable {
  std::vector<Speciality> specialities;
  // The one message for the player when the file is missing or damaged; the table is then
  // empty, so nothing of a damaged file is ever offered.
  std::string problem;
};

// The table from the items of the file (read with one item more than the limit, so that an
// overlong file shows).
SpecialityTable parseSpecialities(const std::vector<DataItem>& items);

// Reads the file at path; reread each time the speciality dialog opens.
SpecialityTable loadSpecialities(const std::string& path = kSpecialityFileName);

}  // namespace dk

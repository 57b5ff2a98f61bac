#pragma once
// The occupational specialities (MOS/FOS) as plain values: a speciality of the table read from
// "ismosfos.dat" (files/SpecialityFile), and what the speciality dialogs hand back to the
// warrior window, so the window changes the record only once the whole choice is made.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dk {

inline constexpr std::size_t kMaxSpecialities = 51;
inline constexpr std::size_t kMaxSpecialitySkills = 51;  // per list, and per chosen pair

struct Speciality {
  std::string name;
  std::int16_t requiredCount = 0;
  std::vector<std::string> required;
  std::vector<std::string> electives;
  bool operator==(const Speciality&) const = default;
};

// A confirmed "Pick Skill Packages": one or two specialities (rows of the table from 1; the
// second empty and 0 when there is none), the package type, the required skills chosen and the
// electives to offer, in order.
struct SpecialityChoice {
  std::string name1;
  std::int16_t index1 = 0;
  std::string name2;
  std::int16_t index2 = 0;
  std::string packageName;
  std::vector<std::string> requiredSkills;
  std::vector<std::string> electiveSkills;
  bool operator==(const SpecialityChoice&) const = default;
};

// What "Pick Skills" shows: its caption line, one speciality's required skills and how many of
// them must be chosen at least.
struct RequiredSkillRequest {
  std::string caption;
  std::vector<std::string> names;
  int count = 0;
  bool operator==(const RequiredSkillRequest&) const = default;
};

}  // namespace dk

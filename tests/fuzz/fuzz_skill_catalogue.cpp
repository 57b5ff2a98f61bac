// Feeds arbitrary bytes to the skill catalogue reader: it must never crash, and what it accepts
// must hold at most 200 skills with unique, non-empty names and classes that follow their codes;
// what it refuses must hold nothing. Every roll computed from it must stay a whole number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "core/context/SharedState.h"
#include "core/files/DataItems.h"
#include "core/files/SkillFile.h"
#include "core/skills/SkillAreas.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto read = dk::parseSkillCatalogue(dk::splitDataItems(text));
  if (read.ok() != read.message().empty()) std::abort();  // a fault, and only a fault, says why
  const dk::SkillCatalogue catalogue = read.valueOr({});
  const auto& skills = catalogue.skills;
  if (skills.size() > static_cast<std::size_t>(dk::kMaxCatalogueSkills)) std::abort();
  std::set<std::string> names;
  for (const auto& skill : skills) {
    if (skill.name.empty() || !names.insert(skill.name).second) std::abort();
    if (skill.classWord != dk::classWordForCode(skill.code)) std::abort();
  }

  // Rolls of skills named as in the file, at levels taken from the codes.
  dk::Warrior w;
  for (const auto& skill : skills) w.innerSphere().skills.push_back({skill.name, skill.code, ""});
  dk::updateSkillRolls(w, catalogue);
  for (const auto& skill : w.innerSphere().skills) {
    if (skill.roll.find_first_not_of("-0123456789") != std::string::npos) std::abort();
  }
  return 0;
}

// Feeds arbitrary bytes to the package file reader: it must never crash, and a table it accepts
// keeps every limit (51 packages, 51 skills each, costs of 0 or more, levels of 1 or more, no
// skill twice); a refused file gives a message and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "core/files/DataItems.h"
#include "core/files/PackageFile.h"
#include "core/files/TrainingRecords.h"
#include "core/util/Numeric.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto table = dk::parsePackages(dk::splitDataItems(text, dk::kMaxTrainingFileItems + 1));
  if (!table) return table.message().empty() ? (std::abort(), 0) : 0;
  if (!table.message().empty() || table->size() > dk::kMaxPackages) std::abort();
  for (const dk::SkillPackage& p : *table) {
    if (p.name.empty() || p.cost < 0 || p.skills.size() > dk::kMaxPackageSkills) std::abort();
    std::set<std::string> names;
    for (const dk::SkillPackageEntry& s : p.skills) {
      if (!names.insert(s.name).second) std::abort();
      const auto level = dk::parseWholeNumber(s.level);
      if (!level || *level < 1) std::abort();
    }
  }
  return 0;
}

// Feeds arbitrary bytes to the speciality file reader: it must never crash, and a table it
// accepts keeps every limit (51 specialities, 51 names a list, a count the list can meet);
// a refused file gives a message and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/DataItems.h"
#include "core/files/SpecialityFile.h"
#include "core/files/TrainingRecords.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto table = dk::parseSpecialities(dk::splitDataItems(text, dk::kMaxTrainingFileItems + 1));
  if (!table) return table.message().empty() ? (std::abort(), 0) : 0;
  if (!table.message().empty() || table->size() > dk::kMaxSpecialities) std::abort();
  for (const dk::Speciality& s : *table) {
    if (s.name.empty() || s.requiredCount < 0) std::abort();
    if (s.required.size() > dk::kMaxSpecialitySkills) std::abort();
    if (s.electives.size() > dk::kMaxSpecialitySkills) std::abort();
    if (static_cast<std::size_t>(s.requiredCount) > s.required.size()) std::abort();
  }
  return 0;
}

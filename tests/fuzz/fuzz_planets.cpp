// Feeds arbitrary bytes to the planet list reader: it must never crash and never offer more
// than 2000 names, and it says so exactly when the file held more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/DataItems.h"
#include "core/files/PlanetFile.h"
#include "core/util/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
  auto items = dk::splitDataItems(text, dk::kMaxPlanets + 1);
  const bool tooMany = items.size() > dk::kMaxPlanets;
  const auto list = dk::planetListOf(std::move(items));
  if (list->size() > dk::kMaxPlanets || list.message().empty() == tooMany) std::abort();
  return 0;
}

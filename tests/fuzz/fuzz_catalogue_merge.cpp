// Feeds arbitrary bytes to the laying of a catalogue of one's own over the shipped one (read once,
// before the first input): the first byte picks the catalogue, the rest is the own file. The check
// of the own file may not crash; the merged catalogue keeps its limit, and laying the same file
// over again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "TestPaths.h"
#include "core/catalogue/CatalogueMerge.h"
#include "core/files/CatalogueFiles.h"
#include "core/files/GearFiles.h"
#include "core/files/PackageFile.h"
#include "core/files/PlanetFile.h"
#include "core/files/SkillFile.h"
#include "core/files/SpecialityFile.h"
#include "core/util/TextEncoding.h"

namespace {

template <typename Record, typename Merge>
void layOver(std::vector<Record> shipped, const std::vector<Record>& own, std::size_t limit,
             Merge merge) {
  std::vector<std::string> leftOut;
  merge(shipped, own, leftOut);
  if (shipped.size() > limit && !own.empty()) std::abort();
  const std::vector<Record> once = shipped;
  std::vector<std::string> again;
  merge(shipped, own, again);
  if (!(shipped == once)) std::abort();
}

struct Name {
  std::string name;
  bool operator==(const Name&) const = default;
};

// The shipped catalogues' items, by the byte that picks them (each parsed once, at first use).
std::vector<std::vector<dk::DataItem>> shippedItems;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (const char* name : dk::kCatalogueFileNames) {
    auto items = dk::readDataFileItems(std::string(DRAKKENFOLD_DATA) + "/" + name, 300);
    if (!items || items->empty()) std::abort();  // a merge the program never makes
    shippedItems.push_back(std::move(*items));
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view name = dk::kCatalogueFileNames[data[0] % dk::kCatalogueFileNames.size()];
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  const auto& shippedItems = ::shippedItems[data[0] % dk::kCatalogueFileNames.size()];
  const auto ownItems = dk::splitDataItems(text, 300);
  (void)dk::checkCatalogueFile(name, "own", ownItems);

  const auto merge = [](auto& into, const auto& more, auto& leftOut) {
    dk::mergeCatalogue(into, more, leftOut);
  };
  if (name == dk::kSkillsFileName) {
    static const auto a = dk::parseSkillCatalogue(shippedItems);
    const auto b = dk::parseSkillCatalogue(ownItems);
    if (a && b)
      layOver(a->skills, b->skills, dk::kMaxCatalogueSkills,
              [&own = *b](auto& into, const auto&, auto& leftOut) {
                dk::SkillCatalogue c{std::move(into)};  // moved in and out: no copies
                dk::mergeCatalogue(c, own, leftOut);
                into = std::move(c.skills);
              });
  } else if (name == dk::kSpecialityFileName) {
    static const auto a = dk::parseSpecialities(shippedItems);
    const auto b = dk::parseSpecialities(ownItems);
    if (a && b) layOver(*a, *b, dk::kMaxSpecialities, merge);
  } else if (name == dk::kPackageFileName) {
    static const auto a = dk::parsePackages(shippedItems);
    const auto b = dk::parsePackages(ownItems);
    if (a && b) layOver(*a, *b, dk::kMaxPackages, merge);
  } else if (name == dk::kWeaponsFile) {
    static const auto a = dk::weaponEntries(shippedItems);
    layOver(a, dk::weaponEntries(ownItems), dk::kMaxMergedGearEntries, merge);
  } else if (name == dk::kEquipmentFile) {
    static const auto a = dk::equipmentEntries(shippedItems);
    layOver(a, dk::equipmentEntries(ownItems), dk::kMaxMergedGearEntries, merge);
  } else {
    static const auto a = dk::planetListOf(shippedItems).valueOr({});
    const auto b = dk::planetListOf(ownItems).valueOr({});
    std::vector<std::string> planets = a, leftOut, again;
    dk::mergeCatalogue(planets, b, dk::kMaxPlanets, leftOut);
    const auto once = planets;
    dk::mergeCatalogue(planets, b, dk::kMaxPlanets, again);
    if (planets != once || planets.size() > std::max(a.size(), dk::kMaxPlanets)) std::abort();
  }
  return 0;
}

// Feeds arbitrary bytes to the forge's readers (the first byte picks a profile or the names) and
// builds a warrior under every profile that reads: a reader never crashes and never gives a
// profile or a list outside its limits, and whatever a profile weights, the warrior keeps every
// rule. Run from the project's folder: the catalogues come from data/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "core/app/CheckWarrior.h"
#include "core/app/WindowLoad.h"
#include "core/files/NameFile.h"
#include "core/files/ProfileFile.h"
#include "core/forge/Forge.h"
#include "core/forge/ForgePrompter.h"
#include "core/util/TextEncoding.h"

namespace {
dk::SharedState* shared;
dk::Warrior* blank;
dk::CheckCatalogues* check;
const dk::NameLists names{{"Orsolya"}, {"Vardell"}};

bool weightsHold(const std::vector<dk::ForgeWeight>& list) {
  for (const auto& w : list)
    if (w.weight < 0 || w.weight > dk::kHighestForgeWeight || w.name.empty()) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  shared = new dk::SharedState;
  shared->dataFolder = "data";
  blank = new dk::Warrior;
  dk::RandomSource dice(0);
  dk::ForgePrompter quiet(dice, dk::Profile{});
  dk::RuleContext ctx{*blank, *shared, quiet};
  dk::loadWindowCatalogues(ctx);
  check = new dk::CheckCatalogues{dk::readCheckCatalogues(shared->catalogueFolders()).packages,
                                  shared->weaponCatalogue, shared->equipmentCatalogue};
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text =
      dk::decodeFileText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  const auto items = dk::splitDataItems(text);
  if (data[0] & 1) {
    const auto lists = dk::parseNameLists(items);
    if (!lists) return 0;
    for (const auto* list : {&lists->given, &lists->family}) {
      if (list->size() > dk::kMaxForgeNames) std::abort();
      if (std::set<std::string>(list->begin(), list->end()).size() != list->size()) std::abort();
    }
    return 0;
  }
  const auto profile = dk::parseProfile(items);
  if (!profile) return 0;
  if (profile->name.empty() || profile->transfer < 0 || profile->transfer > 100) std::abort();
  for (const auto* list : {&profile->skills, &profile->gear, &profile->ranks, &profile->advantages})
    if (!weightsHold(*list)) std::abort();
  dk::Warrior w = *blank;
  dk::RandomSource dice(1);
  dk::ForgePrompter told(dice, *profile);  // the forge answers with its own
  shared->priorityMaximum = dk::kDefaultPriorityMaximum;
  dk::RuleContext ctx{w, *shared, told};
  const int race = static_cast<int>(data[0] >> 1) % 5 - 1;
  dk::forgeWarrior(ctx, {*profile, race, data[0]}, names,
                   shared->weaponCatalogue ? *shared->weaponCatalogue : dk::GearCatalogue{},
                   shared->equipmentCatalogue ? *shared->equipmentCatalogue : dk::GearCatalogue{});
  if (!dk::keepsEveryRule(dk::checkWarrior(w, *check))) std::abort();
  return 0;
}

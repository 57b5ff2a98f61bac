#pragma once
// What every warrior window of one program shares and its rules read: the catalogues read from
// the data files, the folder those files are read from, and the priority maximum. The main
// frame owns it (inside the application state); tests build as many as they like.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/GearCatalogue.h"
#include "core/catalogue/SkillCatalogue.h"
#include "core/files/CatalogueFiles.h"

namespace dk {

inline constexpr int kDefaultPriorityMaximum = 10;

struct SharedState {
  // Where the data files are read from: the program's own folder when it runs, empty for the
  // working folder.
  std::string dataFolder;

  // The maximum number of priority points; one value for every window. It starts at 10 when
  // the program starts (so a warrior opened before any New already has a sound budget), and
  // every New sets it back to 10.
  int priorityMaximum = kDefaultPriorityMaximum;

  // The skill catalogue as the last sound read of "skills.dat" left it; every window's load
  // rewrites it, and a damaged file leaves it as it was.
  SkillCatalogue skillCatalogue;

  // The weapon and equipment catalogues, rebuilt each time a warrior window is created (weapons
  // first). A window keeps the pair it was created with; unchanged contents are shared.
  std::shared_ptr<const GearCatalogue> weaponCatalogue;
  std::shared_ptr<const GearCatalogue> equipmentCatalogue;

  // The table's own catalogue folders, laid over the shipped files in this order (none in tests
  // that do not ask for them); the main frame takes them from the environment.
  std::vector<std::string> ownCatalogueFolders;
  CatalogueFolders catalogueFolders() const { return {dataFolder, ownCatalogueFolders}; }

  // The path of a data file: its bare name in the data folder.
  std::string dataFile(std::string_view name) const {
    return dataFolder.empty() ? std::string(name) : dataFolder + "/" + std::string(name);
  }
};

}  // namespace dk

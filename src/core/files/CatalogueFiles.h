#pragma once
// The catalogues as the program reads them: the shipped files, then files of the same names and
// formats from the table's own folders ("drakkenfold/catalogues" under each folder of
// $XDG_DATA_DIRS, then under $XDG_DATA_HOME), laid over them (catalogue/CatalogueMerge). A file of
// one's own that does not read cleanly is left out whole, so a typing mistake never shifts a list;
// the shipped files read exactly as they always have.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/ForgeCatalogue.h"
#include "core/catalogue/GearCatalogue.h"
#include "core/catalogue/SkillCatalogue.h"
#include "core/catalogue/SkillPackage.h"
#include "core/catalogue/Specialities.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr std::array<const char*, 6> kCatalogueFileNames{
    "skills.dat", "ismosfos.dat", "ispack.dat", "weapons.dat", "equipt.dat", "planets.dat"};

struct CatalogueFolders {
  std::string shipped;           // the program's data folder; empty for the working folder
  std::vector<std::string> own;  // the table's own folders, in reading order: a later one wins
  std::string shippedFile(std::string_view name) const;
  // The own files of that name that are there (a link to nowhere too), in reading order.
  std::vector<std::string> ownFiles(std::string_view name) const;
};

// The own folders the environment names, in reading order: "drakkenfold/catalogues" under the
// folders of $XDG_DATA_DIRS (default /usr/local/share:/usr/share), the least important first as
// the freedesktop rules order them, then under $XDG_DATA_HOME (default ~/.local/share). Folders
// given as relative paths are passed over, as those rules say.
std::vector<std::string> ownCatalogueFolders();
// The user's own folder: $XDG_DATA_HOME/drakkenfold/catalogues; empty when no home is known.
std::string userCatalogueFolder();

// What is wrong with a catalogue file, where: a line of 0 is the file as a whole.
struct CatalogueProblem {
  std::string file;  // the path
  int line = 0;
  std::string text;
  bool operator==(const CatalogueProblem&) const = default;
};
// "weapons.dat, line 14: the price "6O" is not a whole number" (the file's bare name), or with
// the file as given: "/home/kai/.local/share/drakkenfold/catalogues/weapons.dat:14: ..." (no line
// for a problem of the file as a whole).
std::string describeProblem(const CatalogueProblem& problem, bool asPath);

// What a typing mistake does to the items of a file of that name, beyond what its reader
// refuses: a line with another number of items than its entries take (two on an equipment line,
// three on a weapon line, two on a skill or package line, one on a planet line), a price, cost or
// level that is not a whole number, a class letter the skill table does not know, a record that a
// later one of the same file replaces. Then the reader's own fault, if it has one.
std::vector<CatalogueProblem> checkCatalogueFile(std::string_view name, const std::string& path,
                                                 const std::vector<DataItem>& items);
// A catalogue file read as its reader takes it (within the reader's own limit) and checked: its
// items, and every problem found (one that cannot be read has one, of the file as a whole, and
// no items). It reads cleanly when it has no problem.
struct CheckedCatalogueFile {
  std::vector<DataItem> items;
  std::vector<CatalogueProblem> problems;
};
CheckedCatalogueFile readCheckedCatalogueFile(std::string_view name, const std::string& path);

// Each catalogue merged. The shipped file is read and told as it always was (the message);
// `problems`, when given, collects each own file left out with its first problem and each record
// left out past a limit of the merged catalogue.
Result<SkillCatalogue> readSkillCatalogue(const CatalogueFolders& folders,
                                          std::vector<CatalogueProblem>* problems = nullptr);
Result<std::vector<Speciality>> loadSpecialities(const CatalogueFolders& folders,
                                                 std::vector<CatalogueProblem>* problems = nullptr);
Result<std::vector<SkillPackage>> loadPackages(const CatalogueFolders& folders,
                                               std::vector<CatalogueProblem>* problems = nullptr);
Result<GearCatalogue> readGearFile(GearKind kind, const CatalogueFolders& folders,
                                   std::vector<CatalogueProblem>* problems = nullptr);
Result<std::vector<std::string>> readPlanetList(const CatalogueFolders& folders,
                                                std::vector<CatalogueProblem>* problems = nullptr);

// The forge's catalogue files in a folder (empty: the working folder), by bare name: "names.dat"
// when it is there, then each "<name>.profile" in the order of the file names.
std::vector<std::string> forgeFileNames(const std::string& folder);
// The profiles: the shipped ones in the order of their files (one that does not read is left out
// and named in the message), then the own folders' laid over them by the profile's name.
Result<std::vector<Profile>> readProfiles(const CatalogueFolders& folders,
                                          std::vector<CatalogueProblem>* problems = nullptr);
// The given and family names, the own files' names added after the shipped ones. A failure when
// the shipped file does not read or either list is empty.
Result<NameLists> readNameLists(const CatalogueFolders& folders,
                                std::vector<CatalogueProblem>* problems = nullptr);

}  // namespace dk

#include "core/files/CatalogueFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/catalogue/CatalogueMerge.h"
#include "core/files/GearFiles.h"
#include "core/files/NameFile.h"
#include "core/files/PackageFile.h"
#include "core/files/PlanetFile.h"
#include "core/files/ProfileFile.h"
#include "core/files/SkillFile.h"
#include "core/files/SpecialityFile.h"
#include "core/files/TrainingRecords.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

constexpr const char* kOwnSubfolder = "/drakkenfold/catalogues";

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string withoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string dataHome() {
  if (const char* home = std::getenv("XDG_DATA_HOME"); home && *home == '/') return home;
  if (const char* home = std::getenv("HOME"); home && *home == '/')
    return std::string(home) + "/.local/share";
  return {};
}

using Lines = DataLines;
using Line = DataLine;
Lines byLine(const std::vector<DataItem>& items) { return dataLines(items); }

bool isBlankLine(Line line) { return line.size() == 1 && line.front()->text.empty(); }

bool isWhole(const std::string& text) { return parseWholeNumber(text).has_value(); }

std::string itemCount(std::size_t n) {
  return countText(static_cast<std::int64_t>(n), "item", "items");
}

// Finds the problems of one file, line by line.
class Checker {
 public:
  Checker(const std::string& path, std::vector<CatalogueProblem>& out) : path_(path), out_(out) {}
  void problem(int line, std::string text) { out_.push_back({path_, line, std::move(text)}); }
  // A line of `want` items, told what they are.
  bool count(int line, std::size_t have, std::size_t want, const char* what) {
    if (have == want) return true;
    problem(line, "the line holds " + itemCount(have) + "; " + what);
    return false;
  }
  void whole(int line, const std::string& text, const char* what) {
    if (!isWhole(text))
      problem(line, std::string("the ") + what + " " + quoted(text) + " is not a whole number");
  }
  // A name a later record of the same file takes again (a view of the item's text: the items
  // outlive the check).
  void name(int line, std::string_view name, const char* kind) {
    const auto [at, added] = seen_.emplace(name, line);
    if (!added)
      problem(line, quoted(std::string(name)) + " replaces the " + kind + " of line " +
                        toText(at->second));
  }

 private:
  const std::string& path_;
  std::vector<CatalogueProblem>& out_;
  std::map<std::string_view, int> seen_;
};

void checkSkills(const Lines& lines, Checker& check) {
  for (const auto& [n, line] : lines) {
    if (isBlankLine(line)) continue;
    if (!check.count(n, line.size(), 2, "a skill line holds 2: a name and a class letter"))
      continue;
    const std::string& code = line[1]->text;
    if (classWordForCode(code).empty())
      check.problem(n, "the class " + quoted(code) + " of " + quoted(line[0]->text) +
                           " is not one the skill table knows (P, A, M or S)");
    check.name(n, line[0]->text, "skill");
  }
}

void checkGear(const Lines& lines, Checker& check, bool weapons) {
  const std::size_t width = weapons ? 3 : 2;
  for (const auto& [n, line] : lines) {
    if (isBlankLine(line)) {
      check.problem(n, "an empty line ends the list here: nothing after it is offered");
      continue;
    }
    if (line.front()->text.compare(0, 5, "Start") == 0) {
      check.count(n, line.size(), 1, "a category line holds 1: \"Start\" and the category");
      continue;
    }
    if (!check.count(n, line.size(), width,
                     weapons ? "a weapon line holds 3: a name, a price and an ammunition price"
                             : "an equipment line holds 2: a name and a price"))
      continue;
    check.whole(n, line[1]->text, "price");
    if (weapons && !line[2]->text.empty()) check.whole(n, line[2]->text, "ammunition price");
    check.name(n, line[0]->text, weapons ? "weapon" : "item");
  }
}

void checkPlanets(const Lines& lines, Checker& check) {
  for (const auto& [n, line] : lines) {
    if (isBlankLine(line)) {
      check.problem(n, "an empty line names a planet without a name");
      continue;
    }
    if (check.count(n, line.size(), 1,
                    "a planet line holds 1: the name (in double quotes if it has a comma)"))
      check.name(n, line[0]->text, "planet");
  }
}

void checkPackages(const Lines& lines, Checker& check) {
  enum { Between, Cost, Skills } at = Between;
  for (const auto& [n, line] : lines) {
    const std::string& first = line.front()->text;
    if (first.compare(0, 5, "Start") == 0) {
      check.count(n, line.size(), 1, "a package begins on a line of its own");
      check.name(n, first.size() > 6 ? std::string_view(first).substr(6) : std::string_view(),
                 "package");
      at = Cost;
    } else if (at == Cost) {
      if (check.count(n, line.size(), 1, "the cost stands on a line of its own"))
        check.whole(n, first, "cost");
      at = Skills;
    } else if (at == Skills && first == "End") {
      at = Between;
    } else if (at == Skills &&
               check.count(n, line.size(), 2, "a skill line holds 2: a skill and its level")) {
      check.whole(n, line[1]->text, "level");
    }
  }
}

// The reader's own fault for the items, as a problem.
std::optional<CatalogueProblem> readerFault(std::string_view name, const std::string& path,
                                            const std::vector<DataItem>& items) {
  DataFault fault;
  bool read = true;
  if (name == kSkillsFileName) read = parseSkillCatalogue(items, &fault).ok();
  if (name == kSpecialityFileName) read = parseSpecialities(items, &fault).ok();
  if (name == kPackageFileName) read = parsePackages(items, &fault).ok();
  if (name == kNamesFileName) read = parseNameLists(items, &fault).ok();
  if (isProfileFileName(name)) read = parseProfile(items, &fault).ok();
  if (read) return std::nullopt;
  return CatalogueProblem{path, fault.line, std::move(fault.text)};
}

// The items of a catalogue file as its reader takes them (within the reader's own limit).
Result<std::vector<DataItem>> readCatalogueItems(std::string_view name, const std::string& path) {
  std::size_t limit = std::numeric_limits<std::size_t>::max();
  if (name == kWeaponsFile) limit = kWeaponFieldsRead;
  if (name == kEquipmentFile) limit = kEquipmentFieldsRead;
  if (name == kSpecialityFileName || name == kPackageFileName) limit = kMaxTrainingFileItems + 1;
  if (name == kPlanetsFile) limit = kMaxPlanets + 1;
  // Two full lists and their two "Start" lines; one item more tells a list that is too long.
  if (name == kNamesFileName) limit = 2 * kMaxForgeNames + 3;
  return readDataFileItems(path, limit);
}

void note(std::vector<CatalogueProblem>* problems, CatalogueProblem problem) {
  if (problems) problems->push_back(std::move(problem));
}

// The own files of a name laid over the shipped catalogue: each is read, checked and parsed; one
// with a problem is left out whole.
template <typename Catalogue, typename Parse, typename Merge>
void layOwnFiles(Catalogue& catalogue, std::string_view name, const CatalogueFolders& folders,
                 std::vector<CatalogueProblem>* problems, std::size_t limit, Parse parse,
                 Merge merge) {
  for (const std::string& path : folders.ownFiles(name)) {
    const CheckedCatalogueFile file = readCheckedCatalogueFile(name, path);
    if (!file.problems.empty()) {
      note(problems, file.problems.front());
      continue;
    }
    std::vector<std::string> leftOut;
    merge(catalogue, parse(file.items), leftOut);
    for (const std::string& record : leftOut)
      note(problems, {path, 0,
                      quoted(record) + " is left out: the catalogue holds at most " +
                          toText(static_cast<std::int64_t>(limit))});
  }
}

// Records matched by name, as the catalogue merge does it for each kind.
constexpr auto byName = [](auto& into, const auto& more, std::vector<std::string>& leftOut) {
  mergeCatalogue(into, more, leftOut);
};

// The shipped catalogue read, with the own files laid over it when it read.
template <typename Catalogue, typename Parse>
Result<Catalogue> withOwnFiles(Result<Catalogue> read, std::string_view name,
                               const CatalogueFolders& folders,
                               std::vector<CatalogueProblem>* problems, std::size_t limit,
                               Parse parse) {
  if (read) layOwnFiles(*read, name, folders, problems, limit, parse, byName);
  return read;
}

}  // namespace

std::string CatalogueFolders::shippedFile(std::string_view name) const {
  return shipped.empty() ? std::string(name) : shipped + "/" + std::string(name);
}

std::vector<std::string> CatalogueFolders::ownFiles(std::string_view name) const {
  std::vector<std::string> out;
  for (const std::string& folder : own) {
    const std::string path = folder + "/" + std::string(name);
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    // Not there: passed over. There, or not to be told (a folder that cannot be searched): read,
    // so that what stands in the way is said.
    if (status.type() != std::filesystem::file_type::not_found) out.push_back(path);
  }
  return out;
}

std::vector<std::string> ownCatalogueFolders() {
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  const std::string list = dirs && *dirs ? dirs : "/usr/local/share/:/usr/share/";
  std::vector<std::string> shared;
  std::size_t begin = 0;
  while (begin <= list.size()) {
    const std::size_t end = std::min(list.find(':', begin), list.size());
    const std::string folder = list.substr(begin, end - begin);
    if (!folder.empty() && folder.front() == '/')
      shared.push_back(withoutTrailingSlash(folder) + kOwnSubfolder);
    begin = end + 1;
  }
  // The first folder of the list is the most important: it is read last, so it wins.
  std::vector<std::string> out(shared.rbegin(), shared.rend());
  if (const std::string home = userCatalogueFolder(); !home.empty()) out.push_back(home);
  return out;
}

std::string userCatalogueFolder() {
  const std::string home = dataHome();
  return home.empty() ? std::string() : withoutTrailingSlash(home) + kOwnSubfolder;
}

std::string describeProblem(const CatalogueProblem& problem, bool asPath) {
  if (asPath)
    return problem.file + (problem.line > 0 ? ":" + toText(problem.line) : std::string()) + ": " +
           problem.text;
  const std::string bare = std::filesystem::path(problem.file).filename().string();
  return bare + (problem.line > 0 ? ", line " + toText(problem.line) : std::string()) + ": " +
         problem.text;
}

CheckedCatalogueFile readCheckedCatalogueFile(std::string_view name, const std::string& path) {
  auto items = readCatalogueItems(name, path);
  if (!items) return {{}, {{path, 0, "it could not be read: " + items.message()}}};
  CheckedCatalogueFile file{std::move(*items), {}};
  file.problems = checkCatalogueFile(name, path, file.items);
  return file;
}

std::vector<CatalogueProblem> checkCatalogueFile(std::string_view name, const std::string& path,
                                                 const std::vector<DataItem>& items) {
  std::vector<CatalogueProblem> out;
  Checker check(path, out);
  const Lines lines = byLine(items);
  if (name == kSkillsFileName) checkSkills(lines, check);
  if (name == kWeaponsFile || name == kEquipmentFile) checkGear(lines, check, name == kWeaponsFile);
  if (name == kPlanetsFile) checkPlanets(lines, check);
  if (name == kPackageFileName) checkPackages(lines, check);
  if (auto fault = readerFault(name, path, items)) {
    const bool told = std::any_of(out.begin(), out.end(),
                                  [&](const CatalogueProblem& p) { return p.line == fault->line; });
    if (!told) out.push_back(std::move(*fault));
  }
  std::stable_sort(
      out.begin(), out.end(),
      [](const CatalogueProblem& a, const CatalogueProblem& b) { return a.line < b.line; });
  return out;
}

Result<SkillCatalogue> readSkillCatalogue(const CatalogueFolders& folders,
                                          std::vector<CatalogueProblem>* problems) {
  return withOwnFiles(readSkillCatalogue(folders.shippedFile(kSkillsFileName)), kSkillsFileName,
                      folders, problems, kMaxCatalogueSkills,
                      [](const auto& items) { return parseSkillCatalogue(items).valueOr({}); });
}

Result<std::vector<Speciality>> loadSpecialities(const CatalogueFolders& folders,
                                                 std::vector<CatalogueProblem>* problems) {
  return withOwnFiles(loadSpecialities(folders.shippedFile(kSpecialityFileName)),
                      kSpecialityFileName, folders, problems, kMaxSpecialities,
                      [](const auto& items) { return parseSpecialities(items).valueOr({}); });
}

Result<std::vector<SkillPackage>> loadPackages(const CatalogueFolders& folders,
                                               std::vector<CatalogueProblem>* problems) {
  return withOwnFiles(loadPackages(folders.shippedFile(kPackageFileName)), kPackageFileName,
                      folders, problems, kMaxPackages,
                      [](const auto& items) { return parsePackages(items).valueOr({}); });
}

Result<GearCatalogue> readGearFile(GearKind kind, const CatalogueFolders& folders,
                                   std::vector<CatalogueProblem>* problems) {
  auto read = readGearFile(kind, folders.shippedFile(gearFileName(kind)));
  if (!read || folders.ownFiles(gearFileName(kind)).empty()) return read;
  const std::string message = read.message();
  GearCatalogue merged;
  if (kind == GearKind::Weapons) {
    std::vector<WeaponItem> entries = read->weapons;
    layOwnFiles(entries, kWeaponsFile, folders, problems, kMaxMergedGearEntries, weaponEntries,
                byName);
    merged = weaponCatalogue(std::move(entries));
  } else {
    std::vector<EquipmentItem> entries = read->equipment;
    layOwnFiles(entries, kEquipmentFile, folders, problems, kMaxMergedGearEntries, equipmentEntries,
                byName);
    merged = equipmentCatalogue(std::move(entries));
  }
  return {std::move(merged), message};
}

Result<std::vector<std::string>> readPlanetList(const CatalogueFolders& folders,
                                                std::vector<CatalogueProblem>* problems) {
  auto read = readPlanetList(folders.shippedFile(kPlanetsFile));
  if (read)
    layOwnFiles(
        *read, kPlanetsFile, folders, problems, kMaxPlanets,
        [](const auto& items) { return planetListOf(items).valueOr({}); },
        [](auto& into, const auto& more, auto& leftOut) {
          mergeCatalogue(into, more, kMaxPlanets, leftOut);
        });
  return read;
}

std::vector<std::string> forgeFileNames(const std::string& folder) {
  std::vector<std::string> out;
  std::error_code error;
  const std::filesystem::path at =
      folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  if (std::filesystem::exists(at / kNamesFileName, error)) out.push_back(kNamesFileName);
  std::vector<std::string> profiles;
  for (std::filesystem::directory_iterator it(at, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (isProfileFileName(name)) profiles.push_back(name);
  }
  std::sort(profiles.begin(), profiles.end());
  out.insert(out.end(), profiles.begin(), profiles.end());
  return out;
}

namespace {

std::string inFolder(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : folder + "/" + name;
}

// A profile of the same name replaces the one read before where it stands; a new one comes last.
void layProfile(std::vector<Profile>& into, Profile profile) {
  for (Profile& p : into)
    if (p.name == profile.name) {
      p = std::move(profile);
      return;
    }
  into.push_back(std::move(profile));
}

}  // namespace

Result<std::vector<Profile>> readProfiles(const CatalogueFolders& folders,
                                          std::vector<CatalogueProblem>* problems) {
  std::vector<Profile> profiles;
  std::string message;
  for (const std::string& name : forgeFileNames(folders.shipped)) {
    if (!isProfileFileName(name)) continue;
    const std::string path = inFolder(folders.shipped, name);
    const CheckedCatalogueFile file = readCheckedCatalogueFile(name, path);
    if (!file.problems.empty()) {
      message += (message.empty() ? "" : "\n") + describeProblem(file.problems.front(), false);
      continue;
    }
    layProfile(profiles, *parseProfile(file.items));
  }
  for (const std::string& folder : folders.own) {
    for (const std::string& name : forgeFileNames(folder)) {
      if (!isProfileFileName(name)) continue;
      const std::string path = folder + "/" + name;
      const CheckedCatalogueFile file = readCheckedCatalogueFile(name, path);
      if (!file.problems.empty()) {
        note(problems, file.problems.front());
        continue;
      }
      layProfile(profiles, *parseProfile(file.items));
    }
  }
  return {std::move(profiles), std::move(message)};
}

Result<NameLists> readNameLists(const CatalogueFolders& folders,
                                std::vector<CatalogueProblem>* problems) {
  const std::string shipped = folders.shippedFile(kNamesFileName);
  const CheckedCatalogueFile file = readCheckedCatalogueFile(kNamesFileName, shipped);
  if (!file.problems.empty())
    return Result<NameLists>::failure(describeProblem(file.problems.front(), false));
  NameLists names = *parseNameLists(file.items);
  const auto add = [](std::vector<std::string>& into, const std::vector<std::string>& more) {
    for (const std::string& name : more)
      if (into.size() < kMaxForgeNames && std::find(into.begin(), into.end(), name) == into.end())
        into.push_back(name);
  };
  for (const std::string& path : folders.ownFiles(kNamesFileName)) {
    const CheckedCatalogueFile own = readCheckedCatalogueFile(kNamesFileName, path);
    if (!own.problems.empty()) {
      note(problems, own.problems.front());
      continue;
    }
    const NameLists more = *parseNameLists(own.items);
    add(names.given, more.given);
    add(names.family, more.family);
  }
  if (names.given.empty() || names.family.empty())
    return Result<NameLists>::failure(std::string(kNamesFileName) + ": it holds no " +
                                      (names.given.empty() ? "given" : "family") + " names");
  return names;
}

}  // namespace dk

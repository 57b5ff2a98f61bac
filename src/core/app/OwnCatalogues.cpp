#include "core/app/OwnCatalogues.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/files/AtomicWrite.h"
#include "core/gear/Advantages.h"
#include "core/printing/TemplateExport.h"
#include "core/skills/ClanPackages.h"
#include "core/skills/SpecialityPicking.h"
#include "core/util/Numeric.h"

namespace dk {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string count(std::size_t n, const char* one, const char* many) {
  return countText(static_cast<std::int64_t>(n), one, many);
}

void append(const std::vector<CatalogueProblem>& more, std::vector<CatalogueProblem>& problems) {
  problems.insert(problems.end(), more.begin(), more.end());
}

// What the merged training files name that the merged skill catalogue does not hold, and the
// skills the rules use that it lacks.
void checkMerged(const CatalogueFolders& folders, std::vector<CatalogueProblem>& problems) {
  const auto skills = readSkillCatalogue(folders);
  if (!skills) return;  // told with the file itself
  std::set<std::string> known;
  for (const CatalogueSkill& s : skills->skills) known.insert(s.name);
  for (const std::string& name : skillNamesTheRulesUse())
    if (!known.count(name))
      problems.push_back({folders.shippedFile("skills.dat"), 0,
                          "the skill " + quoted(name) + ", which the rules use, is missing"});
  const auto unknown = [&](const std::string& file, const std::string& record,
                           const std::string& skill) {
    if (!known.count(skill))
      problems.push_back({folders.shippedFile(file), 0,
                          quoted(record) + " names the skill " + quoted(skill) +
                              ", which the skill catalogue does not hold"});
  };
  for (const Speciality& s : loadSpecialities(folders).valueOr({})) {
    for (const std::string& skill : s.required) unknown("ismosfos.dat", s.name, skill);
    for (const std::string& skill : s.electives) unknown("ismosfos.dat", s.name, skill);
  }
  for (const SkillPackage& p : loadPackages(folders).valueOr({}))
    for (const SkillPackageEntry& skill : p.skills) unknown("ispack.dat", p.name, skill.name);
}

// "97 skills, 12 specialities, ...": what the program would offer, of the catalogues checked.
std::string sizes(const CatalogueFolders& folders, bool allFiles) {
  const auto gear = [&](GearKind kind) {
    const GearCatalogue c = readGearFile(kind, folders).valueOr({});
    return kind == GearKind::Weapons ? c.weapons.size() : c.equipment.size();
  };
  const std::pair<const char*, std::string> counts[] = {
      {"skills.dat",
       count(readSkillCatalogue(folders).valueOr({}).skills.size(), "skill", "skills")},
      {"ismosfos.dat",
       count(loadSpecialities(folders).valueOr({}).size(), "speciality", "specialities")},
      {"ispack.dat", count(loadPackages(folders).valueOr({}).size(), "package", "packages")},
      {"weapons.dat", count(gear(GearKind::Weapons), "weapon", "weapons")},
      {"equipt.dat", count(gear(GearKind::Equipment), "equipment item", "equipment items")},
      {"planets.dat", count(readPlanetList(folders).valueOr({}).size(), "planet", "planets")}};
  std::string out;
  std::error_code error;
  for (const auto& [file, text] : counts)
    if (allFiles || fs::exists(folders.shippedFile(file), error))
      out += (out.empty() ? "" : ", ") + text;
  return out + ".";
}

}  // namespace

std::vector<CatalogueProblem> ownCatalogueProblems(const CatalogueFolders& folders) {
  std::vector<CatalogueProblem> problems;
  (void)readSkillCatalogue(folders, &problems);
  (void)loadSpecialities(folders, &problems);
  (void)loadPackages(folders, &problems);
  (void)readGearFile(GearKind::Weapons, folders, &problems);
  (void)readGearFile(GearKind::Equipment, folders, &problems);
  (void)readPlanetList(folders, &problems);
  return problems;
}

std::string ownCataloguesMessage(const std::vector<CatalogueProblem>& problems) {
  if (problems.empty()) return {};
  std::string text =
      "Catalogue files of your own, or records in them, were left out; the shipped catalogues "
      "and the rest of yours are in use.\n";
  for (const CatalogueProblem& p : problems)
    text +=
        "\n" + describeProblem(p, false) + " (in " + fs::path(p.file).parent_path().string() + ")";
  return text;
}

std::vector<std::string> ownCataloguesInUse(const CatalogueFolders& folders) {
  std::vector<std::string> out;
  for (const char* name : kCatalogueFileNames)
    for (const std::string& path : folders.ownFiles(name)) {
      if (readCheckedCatalogueFile(name, path).problems.empty()) out.push_back(path);
    }
  return out;
}

std::string catalogueFolderReadme() {
  return R"(Your own catalogues for the Drakkenfold Character Generator

Files of the names below in this folder are read beside the catalogues that come
with the program, in the same formats. A record with a new name is added after
the others (a weapon or an item into its category, a new category at the end); a
record with the name of one read before replaces it where it stands, so a house
rule can change a price without changing the order of a list.

The folders are read in this order, a later one winning: "drakkenfold/catalogues"
under each folder of $XDG_DATA_DIRS (a group's shared folders; the first listed is
read last), then this folder under $XDG_DATA_HOME. A new window reads the files as
they are when it opens. A file with a mistake is left out whole and named when
the program starts; check a folder before the game with

    drakkenfold --check-data FOLDER

An item ends at a comma or at the end of its line; a name with a comma goes in
double quotes.

skills.dat    a skill and its class letter (P Physical, A Athletic, M Mental,
              S Social), one a line:
                  Zero-G Operations,A
ismosfos.dat  a speciality: "Start" and its name, how many required skills are
              chosen (0: all of them), a description, the required skills,
              "Electives", the electives, "End", each on a line of its own:
                  Start Salvage Rigger
                  1
                  "Recovers what the battle left"
                  Technician/Mechanical
                  Electives
                  Scrounge
                  End
ispack.dat    a package: "Start" and its name, its cost in skill points, then a
              skill and its level on each line, then "End":
                  Start Dockhand
                  4
                  Climbing,1
                  End
weapons.dat   "Start" and a category on a line of their own, then one weapon a
              line: its name, its price and the price of its ammunition (0 for
              none):
                  Start Pistols
                  Harrow Pocket Pistol,55,2
equipt.dat    "Start" and a category, then one item a line: its name and price:
                  Start Survival Gear
                  "Rope, 20 m",12
planets.dat   one planet name a line:
                  Kestrel Prime
)";
}

Outcome prepareCatalogueFolder(const std::string& folder) {
  if (folder.empty())
    return Outcome::failure("no folder for it is known (neither XDG_DATA_HOME nor HOME is set)");
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    return Outcome::failure("the folder \"" + folder + "\" cannot be made (" + error.message() +
                            ")");
  const std::string readme = folder + "/README.txt";
  if (fs::symlink_status(readme, error).type() != fs::file_type::not_found) return done();
  return writeFileAtomically(readme, catalogueFolderReadme());
}

std::string catalogueFolderFailedMessage(const std::string& why) {
  return "The catalogue folder could not be opened: " + why + ".";
}

std::vector<std::string> skillNamesTheRulesUse() {
  std::vector<std::string> names;
  const auto add = [&names](const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  };
  for (const ClanPackage* p : {&clanElementalPackage(), &clanPilotPackage(),
                               &primaryClanWarriorPackage(), &secondaryClanWarriorPackage()})
    for (const PackageSkill& s : p->skills) add(s.name);
  for (const char* name : kCommonRequiredSkills) add(name);
  for (const char* name : kCommonElectives) add(name);
  for (const std::string& name : combatSkillNames()) add(name);
  return names;
}

DataCheck checkCatalogueData(const std::optional<std::string>& folder,
                             const CatalogueFolders& program,
                             const std::vector<std::string>& templateFolders) {
  std::vector<CatalogueProblem> problems;
  CatalogueFolders checked = program;
  if (folder) {
    std::error_code error;
    if (!fs::is_directory(*folder, error))
      return {{*folder + ": not a folder that can be read"}, false};
    checked = {*folder, {}};
    for (const char* name : kCatalogueFileNames) {
      const std::string path = checked.shippedFile(name);
      if (fs::symlink_status(path, error).type() != fs::file_type::not_found)
        append(readCheckedCatalogueFile(name, path).problems, problems);
    }
    append(checkTemplateFolder(*folder), problems);
  } else {
    for (const char* name : kCatalogueFileNames) {
      append(readCheckedCatalogueFile(name, program.shippedFile(name)).problems, problems);
      for (const std::string& path : program.ownFiles(name))
        append(readCheckedCatalogueFile(name, path).problems, problems);
    }
    checkMerged(program, problems);
    append(checkTemplateFolder(shippedTemplateFolder(program.shipped)), problems);
    for (const std::string& templates : templateFolders)
      append(checkTemplateFolder(templates), problems);
  }
  DataCheck out;
  for (const CatalogueProblem& p : problems) out.lines.push_back(describeProblem(p, true));
  out.clean = problems.empty();
  if (out.clean) {
    out.lines.push_back("No problems found.");
    out.lines.push_back(sizes(checked, !folder));
  }
  return out;
}

}  // namespace dk

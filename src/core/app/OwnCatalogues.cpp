#include "core/app/OwnCatalogues.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <system_error>

#include "core/files/AtomicWrite.h"
#include "core/files/NameFile.h"
#include "core/files/ProfileFile.h"
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

// Every profile file the program reads, shipped and own, by path.
std::vector<std::string> profilePaths(const CatalogueFolders& folders) {
  std::vector<std::string> out;
  for (const std::string& name : forgeFileNames(folders.shipped))
    if (isProfileFileName(name)) out.push_back(folders.shippedFile(name));
  for (const std::string& folder : folders.own)
    for (const std::string& name : forgeFileNames(folder))
      if (isProfileFileName(name)) out.push_back(folder + "/" + name);
  return out;
}

// What a profile weights that the merged catalogues do not hold: a typing mistake there would
// only go unnoticed, as a weight that never counts.
void checkProfileNames(const CatalogueFolders& folders, const std::set<std::string>& skills,
                       std::vector<CatalogueProblem>& problems) {
  std::set<std::string> specialities, packages, categories, advantages;
  for (const Speciality& s : loadSpecialities(folders).valueOr({})) specialities.insert(s.name);
  for (const SkillPackage& p : loadPackages(folders).valueOr({})) packages.insert(p.name);
  for (GearKind kind : {GearKind::Weapons, GearKind::Equipment})
    for (const GearRow& row : readGearFile(kind, folders).valueOr({}).rows)
      categories.insert(row.type);
  for (const std::string& a : advantageCatalogue()) advantages.insert(a);
  const auto isSkillOrGroup = [&skills](const std::string& name) {
    if (skills.count(name)) return true;
    const auto after = skills.lower_bound(name + "/");
    return after != skills.end() && after->rfind(name + "/", 0) == 0;
  };
  for (const std::string& path : profilePaths(folders)) {
    const std::string bare = fs::path(path).filename().string();
    const CheckedCatalogueFile file = readCheckedCatalogueFile(bare, path);
    if (!file.problems.empty()) continue;  // told with the file itself
    const Profile profile = *parseProfile(file.items);
    const auto check = [&](const std::vector<ForgeWeight>& list, const char* what,
                           const std::function<bool(const std::string&)>& known) {
      for (const ForgeWeight& w : list)
        if (w.name != kAnyOther && !known(w.name))
          problems.push_back({path, 0,
                              "the profile " + quoted(profile.name) + " weights the " + what + " " +
                                  quoted(w.name) + ", which the catalogues do not hold"});
    };
    check(profile.specialities, "speciality",
          [&](const std::string& n) { return specialities.count(n) > 0; });
    check(profile.packages, "package", [&](const std::string& n) { return packages.count(n) > 0; });
    check(profile.skills, "skill", isSkillOrGroup);
    check(profile.advantages, "advantage",
          [&](const std::string& n) { return advantages.count(n) > 0; });
    check(profile.gear, "gear category",
          [&](const std::string& n) { return categories.count(n) > 0; });
  }
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
  checkProfileNames(folders, known, problems);
}

// "97 skills, 12 specialities, ...": what the program would offer, of the catalogues checked.
std::string sizes(const CatalogueFolders& folders, bool allFiles) {
  const auto gear = [&](GearKind kind) {
    const GearCatalogue c = readGearFile(kind, folders).valueOr({});
    return kind == GearKind::Weapons ? c.weapons.size() : c.equipment.size();
  };
  const NameLists names = readNameLists(folders).valueOr({});
  const std::pair<const char*, std::string> counts[] = {
      {"skills.dat",
       count(readSkillCatalogue(folders).valueOr({}).skills.size(), "skill", "skills")},
      {"ismosfos.dat",
       count(loadSpecialities(folders).valueOr({}).size(), "speciality", "specialities")},
      {"ispack.dat", count(loadPackages(folders).valueOr({}).size(), "package", "packages")},
      {"weapons.dat", count(gear(GearKind::Weapons), "weapon", "weapons")},
      {"equipt.dat", count(gear(GearKind::Equipment), "equipment item", "equipment items")},
      {"planets.dat", count(readPlanetList(folders).valueOr({}).size(), "planet", "planets")},
      {kNamesFileName, count(names.given.size(), "given name", "given names") + ", " +
                           count(names.family.size(), "family name", "family names")}};
  std::string out;
  std::error_code error;
  for (const auto& [file, text] : counts)
    if (allFiles || fs::exists(folders.shippedFile(file), error))
      out += (out.empty() ? "" : ", ") + text;
  const std::size_t profiles = readProfiles(folders).valueOr({}).size();
  if (allFiles || profiles > 0)
    out += (out.empty() ? "" : ", ") + count(profiles, "profile", "profiles");
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
  (void)readProfiles(folders, &problems);
  (void)readNameLists(folders, &problems);
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
  for (const std::string& folder : folders.own)
    for (const std::string& name : forgeFileNames(folder)) {
      const std::string path = folder + "/" + name;
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
names.dat     the names of random warriors: "Start Given", then one given name
              a line, and "Start Family", then one family name a line; yours
              are added to the shipped ones:
                  Start Given
                  Orsolya
<name>.profile  a profile of "New Random Warrior..." and --random: one setting
              a line, its keyword first; a profile of a name read before
              replaces it. Weights are whole numbers from 0 to 1000; "*"
              stands for every name a list does not give, a skill weight
              holds for its group too ("Gunnery"), "#" begins a remark:
                  Profile,Salvage Crew
                  Race,Human,1
                  Priority,Skills,3
                  Attribute,INT,2
                  Training,Package,2
                  Skill,Technician,4
                  Gear,Tools,5
                  Rank,Crewman,1
                  Transfer,50
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
    for (const std::string& name : forgeFileNames(*folder))
      append(readCheckedCatalogueFile(name, checked.shippedFile(name)).problems, problems);
    append(checkTemplateFolder(*folder), problems);
  } else {
    for (const char* name : kCatalogueFileNames) {
      append(readCheckedCatalogueFile(name, program.shippedFile(name)).problems, problems);
      for (const std::string& path : program.ownFiles(name))
        append(readCheckedCatalogueFile(name, path).problems, problems);
    }
    append(readCheckedCatalogueFile(kNamesFileName, program.shippedFile(kNamesFileName)).problems,
           problems);
    for (const std::string& name : forgeFileNames(program.shipped))
      if (isProfileFileName(name))
        append(readCheckedCatalogueFile(name, program.shippedFile(name)).problems, problems);
    for (const std::string& folder : program.own)
      for (const std::string& name : forgeFileNames(folder))
        append(readCheckedCatalogueFile(name, folder + "/" + name).problems, problems);
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

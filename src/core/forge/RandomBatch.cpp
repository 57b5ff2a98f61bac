#include "core/forge/RandomBatch.h"

#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "core/app/CheckWarrior.h"
#include "core/app/SaveWarrior.h"
#include "core/app/WindowLoad.h"
#include "core/context/Prompter.h"
#include "core/files/AtomicWrite.h"
#include "core/files/WarriorFile.h"
#include "core/forge/Forge.h"
#include "core/forge/RandomSource.h"
#include "core/util/Numeric.h"

namespace dk {

namespace fs = std::filesystem;

namespace {

// What the catalogues' load tells a window, kept for standard error.
class QuietPrompter : public DecliningPrompter {
 public:
  std::vector<std::string> told;
  void showMessage(const std::string& text, MessageIcon) override { told.push_back(text); }
};

BatchOutcome failure(int code, std::string line) { return {code, {}, {std::move(line)}}; }

}  // namespace

std::vector<std::string> batchFileNames(const std::vector<std::string>& warriorNames) {
  std::vector<std::string> out;
  out.reserve(warriorNames.size());
  std::set<std::string> taken;
  std::map<std::string, int> next;  // the number to try next for a name met before
  for (const std::string& name : warriorNames) {
    Warrior named;
    named.name = name;
    std::string base = suggestedFileName(named, "");
    if (base.empty()) base = "Warrior";
    std::string file = base;
    if (!taken.insert(file).second) {
      // A numbered name may itself be one met before ("Ash 2" after two "Ash"): count on.
      int& n = next.try_emplace(base, 2).first->second;
      while (!taken.insert(file = base + " " + std::to_string(n)).second) ++n;
      ++n;
    }
    out.push_back(file + ".war");
  }
  return out;
}

std::size_t batchProfileIndex(std::uint64_t seed, std::size_t profiles) {
  RandomSource dice(seed ^ 0xD1B54A32D192ED03u);
  return static_cast<std::size_t>(dice.below(profiles));
}

BatchOutcome writeRandomWarriors(const RandomBatch& batch, const CatalogueFolders& folders) {
  const auto profiles = readProfiles(folders);
  if (profiles->empty())
    return failure(1,
                   "No profile can be read" +
                       (profiles.message().empty() ? std::string(".") : ": " + profiles.message()));
  const Profile* chosen = nullptr;
  if (batch.profile) {
    for (const Profile& p : *profiles)
      if (p.name == *batch.profile) chosen = &p;
    if (!chosen) {
      std::string known;
      for (const Profile& p : *profiles) known += (known.empty() ? "" : ", ") + p.name;
      return failure(2,
                     "There is no profile \"" + *batch.profile + "\" (there are " + known + ").");
    }
  }
  const auto names = readNameLists(folders);
  if (!names) return failure(1, "The names cannot be read: " + names.message());

  std::error_code error;
  fs::create_directories(batch.folder, error);
  if (error || !fs::is_directory(batch.folder, error))
    return failure(1, "The folder \"" + batch.folder + "\" cannot be made" +
                          (error ? " (" + error.message() + ")." : "."));

  // Every name first: a file there already stops the batch before anything is written.
  std::vector<std::string> warriorNames;
  warriorNames.reserve(batch.count);
  for (std::size_t i = 0; i < batch.count; ++i)
    warriorNames.push_back(forgeName(batch.seed + i, *names));
  const std::vector<std::string> files = batchFileNames(warriorNames);
  warriorNames = {};
  BatchOutcome out;
  for (const std::string& file : files) {
    const fs::path path = fs::path(batch.folder) / file;
    if (fs::symlink_status(path, error).type() != fs::file_type::not_found)
      out.err.push_back("\"" + path.string() + "\" is there already.");
  }
  if (!out.err.empty()) {
    out.err.push_back("Nothing was written: a random warrior never replaces a file.");
    out.exitCode = 1;
    return out;
  }

  SharedState shared;
  shared.dataFolder = folders.shipped;
  shared.ownCatalogueFolders = folders.own;
  QuietPrompter quiet;
  Warrior blank;
  RuleContext load{blank, shared, quiet};
  loadWindowCatalogues(load);
  for (const std::string& told : quiet.told) out.err.push_back(told);
  const GearCatalogue none;
  const GearCatalogue& weapons = shared.weaponCatalogue ? *shared.weaponCatalogue : none;
  const GearCatalogue& equipment = shared.equipmentCatalogue ? *shared.equipmentCatalogue : none;
  const CheckCatalogues check{readCheckCatalogues(folders).packages, shared.weaponCatalogue,
                              shared.equipmentCatalogue};

  std::size_t written = 0;
  for (std::size_t i = 0; i < batch.count; ++i) {
    const std::uint64_t seed = batch.seed + i;
    ForgeRequest request{chosen ? *chosen : (*profiles)[batchProfileIndex(seed, profiles->size())],
                         -1, seed};
    Warrior w = blank;
    shared.priorityMaximum = kDefaultPriorityMaximum;
    RuleContext ctx{w, shared, quiet};
    forgeWarrior(ctx, request, *names, weapons, equipment);
    const std::string path = (fs::path(batch.folder) / files[i]).string();
    // What Check Warrior reads is the warrior as its file gives it.
    const std::vector<Finding> findings = checkWarrior(w, check);
    if (!keepsEveryRule(findings)) {
      out.err.push_back("\"" + path + "\" was not written: the warrior of seed " +
                        std::to_string(seed) + " breaks a rule (" + checkReport(findings) + ").");
      continue;
    }
    const auto bytes = formatWarriorFileChecked(w, path);
    const Outcome wrote = bytes ? writeNewFile(path, *bytes) : Outcome::failure(bytes.message());
    if (!wrote) {
      out.err.push_back("\"" + path + "\" could not be written: " + wrote.message() + ".");
      continue;
    }
    ++written;
  }
  // Not flushed to the disk file by file, nor the file system at the end (that would wait for
  // every other program's writes): the files are new, and a crash that loses some of them loses
  // nothing the same command with the same seed does not make again, byte for byte.
  out.out.push_back(
      countText(static_cast<std::int64_t>(written), "random warrior", "random warriors") +
      " written to \"" + batch.folder + "\".");
  out.exitCode = written == batch.count && out.err.size() == quiet.told.size() ? 0 : 1;
  return out;
}

}  // namespace dk

// Feeds arbitrary bytes to the warrior file reader. Whatever the bytes, it must answer Ok,
// WrongVersion, NotWarriorFile or Damaged without a crash, a warrior it accepts must save and
// reopen to the same bytes, and Open's reading of its training and Check Warrior must take it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/app/CheckWarrior.h"
#include "core/app/OpenWarrior.h"
#include "core/files/WarriorFile.h"

namespace {
// A prompter nobody answers: opening a warrior asks nothing.
class Silent : public dk::Prompter {
 public:
  void showMessage(const std::string&, dk::MessageIcon) override {}
  bool askYesNo(const std::string&, dk::MessageIcon) override { std::abort(); }
  bool showError(const std::string&) override { std::abort(); }
  std::optional<std::string> askText(const std::string&) override { std::abort(); }
  std::optional<std::string> pickSkill(const std::vector<std::string>&) override { std::abort(); }
  std::optional<dk::SpecialityChoice> pickSpeciality(const std::vector<dk::Speciality>&,
                                                     int) override {
    std::abort();
  }
  std::optional<std::vector<std::string>> pickRequiredSkills(
      const dk::RequiredSkillRequest&) override {
    std::abort();
  }
  std::optional<int> pickPackage(const std::vector<dk::SkillPackage>&, int) override {
    std::abort();
  }
  std::optional<std::string> pickPlanet(const std::vector<std::string>&) override { std::abort(); }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const dk::ReadOutcome outcome = dk::parseWarriorFile(bytes, "fuzz.war");
  if (outcome.status == dk::ReadOutcome::Damaged) {
    if (outcome.line < 1 || outcome.expected.empty() || outcome.opened) std::abort();
    return 0;
  }
  if (outcome.status != dk::ReadOutcome::Ok) return 0;
  if (!outcome.opened) std::abort();

  // What the reader accepts, the writer writes so that it reads back the same.
  dk::Warrior warrior = outcome.opened->warrior;
  warrior.priorityLevel = outcome.opened->levels;
  const std::string saved = dk::formatWarriorFile(warrior, "fuzz.war");
  const dk::ReadOutcome again = dk::parseWarriorFile(saved, "fuzz.war");
  if (again.status != dk::ReadOutcome::Ok) std::abort();
  dk::Warrior reopened = again.opened->warrior;
  reopened.priorityLevel = again.opened->levels;
  if (dk::formatWarriorFile(reopened, "fuzz.war") != saved) std::abort();

  dk::checkWarrior(warrior, {});
  dk::SharedState shared;
  shared.dataFolder = "/nonexistent";  // no package file: the training is read from the file
  Silent prompter;
  dk::warriorFromFile(*outcome.opened, shared, prompter);
  return 0;
}

// Feeds arbitrary bytes to the warrior file reader. Whatever the bytes, it must answer Ok,
// WrongVersion, NotWarriorFile or Damaged without a crash, and a warrior it accepts must save
// and reopen to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/WarriorFile.h"

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
  return 0;
}

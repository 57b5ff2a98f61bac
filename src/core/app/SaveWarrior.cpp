#include "core/app/SaveWarrior.h"

#include "core/files/FileLimits.h"
#include "core/files/WarriorFile.h"

namespace dk {

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
  return "The warrior could not be saved to \"" + path + "\": " + reason +
         ". Nothing was changed; any earlier file of that name is as it was.";
}

bool saveWarriorReporting(Warrior& warrior, const std::string& path, Prompter& prompter) {
  const Outcome saved = saveWarrior(warrior, path);
  if (!saved) {
    prompter.showMessage(saveFailedMessage(path, saved.message()), MessageIcon::Critical);
    return false;
  }
  warrior.filePath = path;
  return true;
}

bool acceptNotes(std::string_view notes, Prompter& prompter) {
  if (notesFit(notes)) return true;
  prompter.showMessage(notesTooLongMessage(notesFileBytes(notes)), MessageIcon::Information);
  return false;
}

}  // namespace dk

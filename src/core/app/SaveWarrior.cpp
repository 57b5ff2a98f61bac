#include "core/app/SaveWarrior.h"

#include "core/files/FileLimits.h"
#include "core/files/WarriorFile.h"

namespace dk {

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
  return "The warrior could not be saved to \"" + path + "\": " + reason +
         ". Nothing was changed; any earlier file of that name is as it was.";
}

std::string changedOnDiskQuestion(const std::string& path) {
  return "The warrior file \"" + path +
         "\" has changed on disk since this warrior was opened from it or last saved to it "
         "(by another program or another user). Overwrite it with this warrior?";
}

std::string suggestedFileName(const Warrior& warrior, std::string_view extension) {
  constexpr std::string_view kNotInNames = "/\\:*?\"<>|";
  constexpr std::size_t kLongestName = 200;  // bytes, well inside every file system's 255
  std::string name;
  for (const char c : warrior.name) {
    const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    name += control || kNotInNames.find(c) != std::string_view::npos ? '_' : c;
  }
  // No hidden file, no blanks at the ends.
  const std::size_t start = name.find_first_not_of(" .");
  const std::size_t end = name.find_last_not_of(' ');
  if (start == std::string::npos) return {};
  name = name.substr(start, end - start + 1);
  if (name.size() > kLongestName) {
    std::size_t cut = kLongestName;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return name + std::string(extension);
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

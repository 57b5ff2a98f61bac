#include "core/files/WarriorFile.h"

#include "core/files/ReadFile.h"
#include "core/util/Numeric.h"

namespace dk {

Outcome saveWarrior(const Warrior& warrior, const std::string& path) {
  // A warrior that would not open again is refused before the disk is touched.
  if (path.empty()) return Outcome::failure("no file name was given");
  const Result<std::string> file = formatWarriorFileChecked(warrior, path);
  if (!file) return Outcome::failure(file.message());
  return writeFileAtomically(path, *file);
}

ReadOutcome openWarriorFile(const std::string& path) {
  // One byte past the limit is enough for the parser to see that the file is too large.
  const Result<std::string> bytes = readFilePrefix(path, kMaxWarriorFileBytes + 1);
  if (!bytes) {
    ReadOutcome outcome;
    outcome.status = ReadOutcome::Damaged;
    outcome.readError = bytes.message();
    return outcome;
  }
  return parseWarriorFile(*bytes, path);
}

std::string damagedFileMessage(const std::string& path, int line, const std::string& expected) {
  return "The warrior file \"" + path + "\" cannot be opened because it is damaged: line " +
         toText(line) + " should hold " + expected + ".";
}

std::string unreadableFileMessage(const std::string& path, const std::string& reason) {
  return "The warrior file \"" + path + "\" cannot be opened: " + reason + ".";
}

std::string notAWarriorFileMessage(const std::string& path) {
  return "The file \"" + path + "\" is not a warrior file.";
}

std::string openFailedMessage(const ReadOutcome& outcome, const std::string& path) {
  if (outcome.status == ReadOutcome::WrongVersion) return kWrongVersionMessage;
  if (outcome.status == ReadOutcome::NotWarriorFile) return notAWarriorFileMessage(path);
  if (outcome.line == 0) return unreadableFileMessage(path, outcome.readError);
  return damagedFileMessage(path, outcome.line, outcome.expected);
}

}  // namespace dk

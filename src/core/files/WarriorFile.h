#pragma once
// The warrior file (".war"): one value per line in a fixed order, CR LF line ends, the notes
// running to the end of the file. formatWarriorFile writes it byte for byte; parseWarriorFile
// reads it back and refuses a damaged file as a whole, naming the line and what belongs there,
// so that a window is never half filled.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/AtomicWrite.h"
#include "core/files/FileLimits.h"
#include "core/model/Warrior.h"

namespace dk {

inline constexpr const char* kWrongVersionMessage =
    "Sorry, this was made in an earlier version of the Character Generator, you cannot open this "
    "file.";

// The bytes of the file for a warrior, ready for disk. filePathLine is what goes on the
// file-path line: the path the file is being written to. One-line values never carry a line
// break into the file (each line break becomes a space, as does a NUL character), the notes'
// line breaks become CR LF, the slot line is always 0 and a ticked damage box is always 1.
std::string formatWarriorFile(const Warrior& warrior, const std::string& filePathLine);

// The file for a warrior, or why it cannot be written so that it opens again: a value or the
// whole file past the limits of FileLimits.h, a row named like the marker that ends its list, a
// name twice in one list (after the blanks the reader trims), a priority level no bar holds.
// The record is never changed; what the file does keep of every value opens as this warrior.
Result<std::string> formatWarriorFileChecked(const Warrior& warrior,
                                             const std::string& filePathLine);

// A warrior read from a file. The priority levels are handed back apart from the record (its
// priorityLevel stays at the new-warrior 0): the warrior window sets them through the priority
// rules, the main frame only shows them. The slot line is checked but not handed on: it must
// never free the slot of the window the warrior opens into.
struct OpenedWarrior {
  Warrior warrior;
  std::array<std::int16_t, kPoolCount> levels{};
};

struct ReadOutcome {
  enum Status { Ok, WrongVersion, NotWarriorFile, Damaged } status = Damaged;
  std::optional<OpenedWarrior> opened;  // only when Ok
  int line = 0;                         // Damaged: the line at fault (1 = first line)
  std::string expected;                 // Damaged: what belongs on that line
  std::string readError;                // Damaged with line 0: why the file could not be read
};

// Reads the bytes of a warrior file; path becomes the warrior's filePath.
ReadOutcome parseWarriorFile(std::string_view bytes, const std::string& path);

// Reads the file at path (at most kMaxWarriorFileBytes) and parses it.
ReadOutcome openWarriorFile(const std::string& path);

// "The warrior file "<path>" cannot be opened because it is damaged: line <line> should hold
// <expected>."
std::string damagedFileMessage(const std::string& path, int line, const std::string& expected);

// "The file "<path>" is not a warrior file." for a file whose first line is no version line.
std::string notAWarriorFileMessage(const std::string& path);

// "The warrior file "<path>" cannot be opened: <reason>."
std::string unreadableFileMessage(const std::string& path, const std::string& reason);

// Formats the warrior with path on its file-path line and writes it through a temporary file. A
// warrior whose file would not open again as this warrior (see formatWarriorFileChecked) is
// refused before anything is written. The warrior is not changed: the caller sets filePath once
// the save has succeeded.
Outcome saveWarrior(const Warrior& warrior, const std::string& path);

// The one message to show for an outcome that is not Ok.
std::string openFailedMessage(const ReadOutcome& outcome, const std::string& path);

}  // namespace dk

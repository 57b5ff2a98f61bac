#include "core/files/FileLimits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/files/WarriorLayout.h"
#include "core/util/Numeric.h"
#include "core/util/Text.h"
#include "core/util/TextEncoding.h"

namespace dk {

std::size_t fileCharacterCount(std::string_view utf8) {
  // What the file will hold: each byte that is not valid UTF-8 written as one U+FFFD. (A line
  // keeps a byte-order mark at its start: only the file's first bytes lose one when read.)
  return repairedCharacterCount(utf8);
}

std::size_t notesFileBytes(std::string_view notes) {
  std::size_t bytes = notes.size();
  for (std::size_t i = 0; i < notes.size(); ++i) {
    if (notes[i] == '\n') {
      ++bytes;  // LF becomes CR LF
    } else if (notes[i] == '\r') {
      if (i + 1 < notes.size() && notes[i + 1] == '\n') {
        ++i;  // CR LF stays as it is
      } else {
        ++bytes;  // a lone CR becomes CR LF
      }
    }
  }
  return bytes;
}

std::string sizeText(std::size_t bytes) {
  constexpr double kKiB = 1024.0;
  constexpr double kMiB = 1024.0 * 1024.0;
  // Rounded up, so that a size just past a limit never reads as the limit itself.
  char buffer[32];
  if (bytes >= 1024u * 1024u) {
    std::snprintf(buffer, sizeof buffer, "%.1f MiB",
                  std::ceil(static_cast<double>(bytes) / kMiB * 10.0) / 10.0);
    return buffer;
  }
  if (bytes >= 1024u) {
    std::snprintf(buffer, sizeof buffer, "%.0f KiB", std::ceil(static_cast<double>(bytes) / kKiB));
    return buffer;
  }
  return toText(static_cast<std::int64_t>(bytes)) + (bytes == 1 ? " byte" : " bytes");
}

bool fileKeepsBlanks(TextField field) { return readAsItStands(field); }

std::string asFileKeepsIt(TextField field, std::string_view value) {
  if (field == &Warrior::notes) return std::string(value);
  std::string line = toOneLine(value);
  if (fileKeepsBlanks(field)) return line;
  return trimBlanks(line);
}

bool normaliseLeftField(Warrior& warrior, TextField field) {
  std::string kept = asFileKeepsIt(field, warrior.*field);
  if (kept == warrior.*field) return false;
  warrior.*field = std::move(kept);
  return true;
}

std::string notesTooLongMessage(std::size_t wouldBeBytes) {
  return "The notes cannot take this text: they would grow to " + sizeText(wouldBeBytes) +
         ", and a warrior file holds at most " + sizeText(kMaxNotesBytes) +
         " of notes. The notes are as they were.";
}

std::optional<NumberRange> numberFieldRange(TextField field) {
  static constexpr TextField kNumberFields[] = {&Warrior::edge,          &Warrior::edgeUsed,
                                                &Warrior::apTotal,       &Warrior::spTotal,
                                                &Warrior::thresholdHead, &Warrior::thresholdTorso,
                                                &Warrior::thresholdArm,  &Warrior::thresholdLeg,
                                                &Warrior::age,           &Warrior::siblings};
  for (TextField number : kNumberFields)
    if (field == number) return NumberRange{0, kMaxInteger};
  return std::nullopt;
}

bool notesFit(std::string_view notes) { return notesFileBytes(notes) <= kMaxNotesBytes; }

}  // namespace dk

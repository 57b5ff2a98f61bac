#pragma once
// What a warrior file can hold, shared by the writer, the reader and the window. A warrior the
// windows let a user build either fits these limits and comes back from its file exactly as the
// window shows it, or its save is refused before the disk is touched, saying what is too large.
//
// Where each limit is enforced:
// - the notes box refuses a paste or a keystroke that would take the notes past kMaxNotesBytes,
//   with a message, so the user learns it while the text is still on the clipboard;
// - a one-line field takes at most kMaxLineChars characters (the field stops accepting more);
// - the lists are bounded by the catalogues long before kMaxListRows;
// - everything else, and the file as a whole, is checked by the save, which refuses before
//   anything is written.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/Warrior.h"

namespace dk {

// A warrior file is a few kilobytes; a file past this is not one, and is refused whole.
inline constexpr std::size_t kMaxWarriorFileBytes = 16u * 1024u * 1024u;

// The most characters on one line before the notes (any one-line value, the file path).
inline constexpr std::size_t kMaxLineChars = 32767;

// The notes, measured as they go into the file (UTF-8, each line break as CR LF). Half the file,
// which leaves the other half to everything else.
inline constexpr std::size_t kMaxNotesBytes = 8u * 1024u * 1024u;

// The most rows in each of the skill, advantage, weapon and equipment lists of a file.
inline constexpr std::size_t kMaxListRows = 1000;

// The required and elective skill lists hold at most this many names.
inline constexpr int kMaxMosSkills = kMosSkillSlots;

// Numbers on number lines: Integer fields are 16-bit, money is 32-bit; the priority levels are
// what a priority bar can hold.
inline constexpr std::int64_t kMinInteger = INT16_MIN;
inline constexpr std::int64_t kMaxInteger = INT16_MAX;
inline constexpr std::int64_t kMinLong = INT32_MIN;
inline constexpr std::int64_t kMaxLong = INT32_MAX;
inline constexpr std::int64_t kMinPriorityLevel = 0;
inline constexpr std::int64_t kMaxPriorityLevel = 4;

// Characters of a text as a file holds it: one per code point, and one per byte that is not
// part of valid UTF-8 (such a byte is written as U+FFFD).
std::size_t fileCharacterCount(std::string_view utf8);

// The size of the notes in a file: their UTF-8 bytes, each line break (CR LF, CR or LF) counted
// as the two bytes of CR LF. A file in Windows-1252 is never larger.
std::size_t notesFileBytes(std::string_view notes);

// "12.3 MiB", "512 KiB", "80 bytes": a size for a message.
std::string sizeText(std::size_t bytes);

// What the file keeps of a one-line value: line breaks and NULs become spaces, and the blanks at
// both ends are dropped when the reader trims them. The personal lines (age to spouse) are read
// as they stand and keep their blanks.
using TextField = std::string Warrior::*;
bool fileKeepsBlanks(TextField field);
std::string asFileKeepsIt(TextField field, std::string_view value);

// The window's command for leaving a one-line field: the field becomes what its file will give
// back. True when it changed.
bool normaliseLeftField(Warrior& warrior, TextField field);

// The text fields that hold a whole number (Edge, Edge Used, AP and SP totals, the damage
// thresholds, age and siblings): the window takes digits only, up to the largest Integer; none of
// them means anything below 0. nullopt for a field of free text. A file may still hold other text
// there; it opens and shows as it stands.
struct NumberRange {
  std::int64_t lowest;
  std::int64_t highest;
};
std::optional<NumberRange> numberFieldRange(TextField field);

// Whether the notes fit a warrior file ...
bool notesFit(std::string_view notes);

// ... and what the user is told when they would not: "The notes cannot take this text: ...".
std::string notesTooLongMessage(std::size_t wouldBeBytes);

}  // namespace dk

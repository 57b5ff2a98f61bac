// The limits the writer and the reader share: whatever a save accepts opens again as the same
// warrior, and whatever it refuses is refused before the disk is touched, saying what is too
// large.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "FakePrompter.h"
#include "WarriorFileSamples.h"
#include "core/app/SaveWarrior.h"
#include "core/files/FileLimits.h"
#include "core/files/WarriorFile.h"

using namespace dk;
using namespace dk::test;

namespace {

std::string repeated(std::string_view piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

std::vector<GearEntry> gearRows(std::size_t n) {
  std::vector<GearEntry> rows;
  for (std::size_t i = 0; i < n; ++i) rows.push_back({"Item " + std::to_string(i), "1"});
  return rows;
}

std::size_t after(const std::vector<std::string>& lines, const std::string& marker) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), marker) - lines.begin()) +
         1;
}

// The bytes a save of what these bytes open as would write; empty when they do not open.
std::string resavedOrEmpty(const std::string& bytes, const std::string& path,
                           const Warrior& original) {
  const ReadOutcome r = parseWarriorFile(bytes, path);
  return r.status == ReadOutcome::Ok ? resaved(*r.opened, path, original.skillButtons) : "";
}

struct LimitCase {
  const char* what;
  std::function<void(Warrior&)> change;
  const char* refusal;  // nullptr: saves and opens again
};

}  // namespace

TEST(WarriorFileLimits, AWarriorEitherOpensAgainOrIsRefusedSayingWhy) {
  const std::size_t line = kMaxLineChars;
  const LimitCase cases[] = {
      {"name at the line limit, in two-byte characters",
       [line](Warrior& w) { w.name = repeated("\u00eb", line); }, nullptr},
      {"name one character past it", [line](Warrior& w) { w.name = repeated("\u00eb", line + 1); },
       "the name is longer than 32767 characters"},
      {"a byte-order mark and a byte written as U+FFFD count as a character each",
       [line](Warrior& w) { w.name = "\xEF\xBB\xBF\xFF" + repeated("x", line - 1); },
       "the name is longer than 32767 characters"},
      {"blanks past the limit are trimmed away first",
       [line](Warrior& w) { w.rank = "Captain" + repeated(" ", line); }, nullptr},
      {"a personal line keeps its blanks, so they count",
       [line](Warrior& w) { w.spouse = "Mara" + repeated(" ", line); },
       "the husband or wife is longer than 32767 characters"},
      {"a long skill roll",
       [line](Warrior& w) {
         w.innerSphere().skills = {{"Blade", "1", repeated("9", line + 1)}};
       },
       "the roll of Inner Sphere skill \"Blade\" is longer than 32767 characters"},
      {"as many rows as a list may hold", [](Warrior& w) { w.weapons = gearRows(kMaxListRows); },
       nullptr},
      {"one row more", [](Warrior& w) { w.equipment = gearRows(kMaxListRows + 1); },
       "the equipment list has 1001 rows, and a warrior file holds at most 1000"},
      {"a row named like the line that ends its list",
       [](Warrior& w) {
         w.clan().skills = {{" STOP CLAN SKILLS", "1", "8"}};
       },
       "a clan skill cannot be named \"STOP CLAN SKILLS\" in a warrior file"},
      {"a row named like the end of another list is fine",
       [](Warrior& w) {
         w.advantages = {{"STOP WEAP", "1"}};
       },
       nullptr},
      {"two rows that read back as one name",
       [](Warrior& w) {
         w.advantages = {{"Toughness", "2"}, {"Toughness\t", "3"}};
       },
       "the advantage list holds \"Toughness\" twice"},
      {"a required skill named like its end marker",
       [](Warrior& w) { w.requiredSkills[0] = "END REQ"; },
       "a required skill cannot be named \"END REQ\""},
      {"a priority level no bar holds", [](Warrior& w) { w.priorityLevel[kSkills] = 5; },
       "the skills priority level is 5, and a warrior file holds levels 0 to 4"},
      {"the 16-bit and 32-bit extremes",
       [](Warrior& w) {
         w.extraEdgeBought = INT16_MIN, w.packageIndex = INT16_MAX;
         w.cBills = INT32_MIN, w.assetWorth = INT32_MAX;
       },
       nullptr},
      {"notes that make the file too large",
       [](Warrior& w) { w.notes = repeated("0123456789abcdef", 17u << 16); },
       "the warrior file would be 17.1 MiB, 17.0 MiB of it notes, and a warrior file holds at "
       "most 16.0 MiB"},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.what);
    Warrior w = fullWarrior();
    c.change(w);
    const Result<std::string> file = formatWarriorFileChecked(w, "p");
    if (c.refusal) {
      EXPECT_NE(file.message().find(c.refusal), std::string::npos) << file.message();
      EXPECT_FALSE(file);
      // Nothing was refused that the file could have held: written anyway, it does not open.
      EXPECT_NE(resavedOrEmpty(formatWarriorFile(w, "p"), "p", w), formatWarriorFile(w, "p"));
      continue;
    }
    ASSERT_EQ(file.message(), "");
    EXPECT_EQ(resavedOrEmpty(*file, "p", w), *file);
  }
}

TEST(WarriorFileLimits, TheReaderRefusesWhatTheWriterWouldRefuse) {
  auto lines = splitLines(formatWarriorFile(fullWarrior(), "p"));
  auto longName = lines;
  longName[1] = repeated("x", kMaxLineChars + 1);
  ReadOutcome r = parseWarriorFile(joinLines(longName), "p");
  EXPECT_EQ(r.status, ReadOutcome::Damaged);
  EXPECT_EQ(damagedFileMessage("p", r.line, r.expected),
            "The warrior file \"p\" cannot be opened because it is damaged: line 2 should hold "
            "the name in at most 32767 characters.");

  // A long notes line is no fault: the notes are limited only by the size of the file.
  auto longNotes = lines;
  longNotes.back() = repeated("x", 4 * kMaxLineChars);
  EXPECT_EQ(parseWarriorFile(joinLines(longNotes), "p").status, ReadOutcome::Ok);

  Warrior many = fullWarrior();
  many.weapons = gearRows(kMaxListRows);
  auto tooMany = splitLines(formatWarriorFile(many, "p"));
  const std::size_t stop = after(tooMany, "STOP WEAP") - 1;
  tooMany.insert(tooMany.begin() + static_cast<std::ptrdiff_t>(stop), {"One more", "1"});
  r = parseWarriorFile(joinLines(tooMany), "p");
  EXPECT_EQ(r.status, ReadOutcome::Damaged);
  EXPECT_EQ(r.line, static_cast<int>(stop) + 1);
  EXPECT_EQ(r.expected, "\"STOP WEAP\" (a warrior file holds at most 1000 weapon rows)");
}

TEST(WarriorFileLimits, TheMosListsEndAtTheFirstEntryThatReadsBackEmpty) {
  Warrior w;
  w.requiredSkills[0] = "Blade";
  w.requiredSkills[1] = " \t";
  w.requiredSkills[2] = "Gunnery";
  const auto lines = splitLines(formatWarriorFile(w, "p"));
  const std::size_t start = after(lines, "START REQ");
  EXPECT_EQ(lines[start], "Blade");
  EXPECT_EQ(lines[start + 1], "END REQ");
}

TEST(WarriorFileLimits, ARefusedSaveLeavesTheFileAndTheRecordAsTheyWere) {
  const auto dir = std::filesystem::temp_directory_path() / "dk-limits-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string target = (dir / "kai.war").string();
  Warrior w = fullWarrior();
  ASSERT_TRUE(saveWarrior(w, target).ok());
  const std::string before = formatWarriorFile(w, target);

  w.notes = repeated("x", kMaxWarriorFileBytes);
  w.filePath = target;
  const Warrior record = w;
  FakePrompter prompter;
  EXPECT_FALSE(saveWarriorReporting(w, target, prompter));
  ASSERT_EQ(prompter.log.size(), 1u);
  EXPECT_EQ(prompter.log[0].text,
            "The warrior could not be saved to \"" + target +
                "\": the warrior file would be 16.1 MiB, 16.0 MiB of it notes, and a warrior "
                "file holds at most 16.0 MiB. Nothing was changed; any earlier file of that name "
                "is as it was.");
  std::ifstream in(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
  EXPECT_EQ(w.notes.size(), record.notes.size());
  EXPECT_EQ(w.filePath, record.filePath);
  std::filesystem::remove_all(dir);
}

TEST(WarriorFileLimits, LeavingAFieldGivesItTheFormItsFileKeeps) {
  struct Case {
    TextField field;
    std::string typed;
    std::string kept;
  } cases[] = {
      {&Warrior::name, "  Kai  the Second \t", "Kai  the Second"},
      {&Warrior::affiliation, "Free\r\nWorlds ", "Free Worlds"},
      {&Warrior::edge, "\t2", "2"},
      {&Warrior::age, " 27 ", " 27 "},  // personal lines are read as they stand
      {&Warrior::spouse, "Mara\nJones", "Mara Jones"},
      {&Warrior::notes, "  first\n  second  ", "  first\n  second  "},
  };
  for (const Case& c : cases) {
    Warrior w;
    w.*c.field = c.typed;
    EXPECT_EQ(normaliseLeftField(w, c.field), c.kept != c.typed) << c.typed;
    EXPECT_EQ(w.*c.field, c.kept);
  }
}

TEST(WarriorFileLimits, TheNotesRefuseTextPastTheirLimitWithAMessage) {
  EXPECT_EQ(notesFileBytes("a\nb\r\nc\rd"), 10u);  // every break counts as CR LF
  EXPECT_EQ(sizeText(kMaxNotesBytes), "8.0 MiB");
  EXPECT_EQ(sizeText(kMaxNotesBytes + 1), "8.1 MiB");  // never shown as the limit itself
  EXPECT_EQ(sizeText(1025), "2 KiB");
  EXPECT_EQ(sizeText(1), "1 byte");
  FakePrompter prompter;
  EXPECT_TRUE(acceptNotes(repeated("x", kMaxNotesBytes), prompter));
  EXPECT_FALSE(acceptNotes(repeated("x", kMaxNotesBytes - 1) + "\n", prompter));
  EXPECT_FALSE(acceptNotes(repeated("0123456789abcdef", 17u << 16), prompter));
  ASSERT_EQ(prompter.log.size(), 2u);
  EXPECT_EQ(prompter.log[1].text,
            "The notes cannot take this text: they would grow to 17.0 MiB, and a warrior file "
            "holds at most 8.0 MiB of notes. The notes are as they were.");
  EXPECT_EQ(prompter.log[1].icon, MessageIcon::Information);
}

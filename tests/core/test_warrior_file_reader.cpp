// Opening warrior files: the golden files, the lenient parts of reading, and damaged files,
// which are refused whole with the line at fault and what belongs there.
#include <gtest/gtest.h>

#include "WarriorFileSamples.h"

using namespace dk;
using namespace dk::test;

namespace {

using Lines = std::vector<std::string>;

OpenedWarrior openOk(const std::string& bytes, const std::string& path = "w.war") {
  const ReadOutcome r = parseWarriorFile(bytes, path);
  EXPECT_EQ(r.status, ReadOutcome::Ok) << openFailedMessage(r, path);
  return r.opened.value_or(OpenedWarrior{});
}

// The full golden file with line i (0-based) replaced, cut after n lines, or with lines added.
std::string replaced(std::size_t i, const std::string& text) {
  Lines l = splitLines(fixtureBytes("full_warrior.war"));
  l[i] = text;
  return joinLines(l);
}
std::string cut(std::size_t n) {
  Lines l = splitLines(fixtureBytes("full_warrior.war"));
  l.resize(n);
  return joinLines(l);
}
std::string inserted(std::size_t i, const Lines& extra) {
  Lines l = splitLines(fixtureBytes("full_warrior.war"));
  l.insert(l.begin() + static_cast<long>(i), extra.begin(), extra.end());
  return joinLines(l);
}

}  // namespace

TEST(WarriorFileReader, TheGoldenFilesOpenWithEveryField) {
  const OpenedWarrior full = openOk(fixtureBytes("full_warrior.war"), "/mine/kai.war");
  EXPECT_EQ(resaved(full, kFullWarriorPath, fullWarrior().skillButtons),
            fixtureBytes("full_warrior.war"));
  EXPECT_EQ(full.warrior.notes, fullWarrior().notes);
  EXPECT_EQ(full.levels, (std::array<std::int16_t, 5>{2, 3, 4, 1, 0}));
  // The levels are the caller's to apply; the path is the one opened, not the one stored; the
  // training buttons are as saved.
  EXPECT_EQ(full.warrior.priorityLevel, Warrior{}.priorityLevel);
  EXPECT_EQ(full.warrior.filePath, "/mine/kai.war");
  auto buttons = fullWarrior().skillButtons;
  buttons[kAddPtIS] = buttons[kRemPtIS] = true;  // the point buttons always open
  EXPECT_EQ(full.warrior.skillButtons, buttons);

  const OpenedWarrior fresh = openOk(fixtureBytes("new_warrior.war"));
  EXPECT_EQ(resaved(fresh, kNewWarriorPath, Warrior{}.skillButtons),
            fixtureBytes("new_warrior.war"));
  EXPECT_EQ(fresh.warrior.notes, "");
}

TEST(WarriorFileReader, LinesAreReadTheLenientWay) {
  // Blanks and tabs around values are dropped, except on the personal lines and in the notes;
  // flags are "True"/"False" in any case or a number; start markers and the stored path are not
  // compared; the second Intuition line wins; a lone CR reads as the space a save would write.
  Lines l = splitLines(fixtureBytes("full_warrior.war"));
  l[1] = " \tKai,\rthe Second\t ";
  l[17] = "\t2";
  l[31] = "8";
  l[34] = "-1", l[35] = "fALSE", l[57] = "7";
  l[41] = "\t1 1   0 0\t0";
  l[63] = l[74] = "anything", l[98] = "C:\\elsewhere.war";
  l[64] = "  Gunnery ";
  l[126] = "  27 ";
  l.back() = "  Trusts nobody.\t";
  const Warrior w = openOk(joinLines(l)).warrior;
  EXPECT_EQ(w.name, "Kai, the Second");
  EXPECT_EQ(w.attributeScore[kINT], "8");
  EXPECT_TRUE(w.raceModsRemovable);
  EXPECT_FALSE(w.raceModsAddable);
  EXPECT_EQ(w.damageBoxes[1][0], 1);
  EXPECT_EQ(w.innerSphere().skills[0].name, "Gunnery");
  EXPECT_EQ(w.age, "  27 ");
  EXPECT_TRUE(w.notes.ends_with("\n  Trusts nobody.\t"));
}

TEST(WarriorFileReader, LoneLineFeedsAndAMissingLastLineEndAreAccepted) {
  std::string lf = joinLines(splitLines(fixtureBytes("full_warrior.war")), "\n");
  lf.pop_back();
  EXPECT_EQ(resaved(openOk(lf), kFullWarriorPath, fullWarrior().skillButtons),
            fixtureBytes("full_warrior.war"));
}

TEST(WarriorFileReader, NotesAreEveryLineAfterTheSpouseLine) {
  const std::string head = cut(137);
  EXPECT_EQ(openOk(head).warrior.notes, "");
  EXPECT_EQ(openOk(head + "\r\n").warrior.notes, "");
  EXPECT_EQ(openOk(head + "a\r\n\r\nSTOP ADV\r\n\r\n").warrior.notes, "a\n\nSTOP ADV\n");
}

TEST(WarriorFileReader, TheSlotLineIsCheckedButNeverHandedOn) {
  // Stored while the slot was free (-1), it must not free the slot of the window it opens into:
  // the outcome has nowhere to carry it, and the next save writes 0 again.
  const OpenedWarrior w = openOk(replaced(100, "-1"));
  EXPECT_EQ(resaved(w, kFullWarriorPath, fullWarrior().skillButtons),
            fixtureBytes("full_warrior.war"));
}

TEST(WarriorFileReader, TheFirstLineTellsAnotherVersionFromNoWarriorFile) {
  const std::string rest = fixtureBytes("new_warrior.war").substr(9);
  for (const std::string first : {"Version 1", "version 2", "Version 2.0", "VERSION\t3 "}) {
    const ReadOutcome r = parseWarriorFile(first + rest, "w.war");
    EXPECT_EQ(r.status, ReadOutcome::WrongVersion) << first;
    EXPECT_EQ(openFailedMessage(r, "w.war"), kWrongVersionMessage);
  }
  for (const std::string first : {"", "\x89PNG", "Kai", "Versions 2", "Version two", "Version"}) {
    const ReadOutcome r = parseWarriorFile(first + rest, "w.war");
    EXPECT_EQ(r.status, ReadOutcome::NotWarriorFile) << first;
    EXPECT_EQ(openFailedMessage(r, "/home/k/w.war"),
              "The file \"/home/k/w.war\" is not a warrior file.");
  }
  EXPECT_EQ(parseWarriorFile("", "w.war").status, ReadOutcome::NotWarriorFile);
  // Past the most a warrior file holds, a file that is none is still told so.
  EXPECT_EQ(parseWarriorFile(std::string(kMaxWarriorFileBytes + 1, 'x'), "w.war").status,
            ReadOutcome::NotWarriorFile);
  EXPECT_EQ(parseWarriorFile(" Version 2\t" + rest, "w.war").status, ReadOutcome::Ok);
}

TEST(WarriorFileReader, ADamagedFileIsRefusedAtTheLineAtFault) {
  Lines names52;
  for (int i = 0; i < 52; ++i) names52.push_back("Skill " + std::to_string(i));
  const Lines names51(names52.begin(), names52.end() - 1);
  struct Case {
    const char* what;
    std::string bytes;
    int line;
    const char* expectedHas;
  };
  const Case cases[] = {
      {"ends after the name", cut(2), 3, "the rank (the file ends before it)"},
      {"ends in the damage columns", cut(50), 51, "damage column 10"},
      {"ends in a list", cut(73), 74, "\"STOP IS SKILLS\" (the file ends before it)"},
      {"stop marker misspelt", replaced(85, "stop adv"), 141, "\"STOP ADV\" (the file ends"},
      {"ends before END ELE", cut(124), 125, "\"END ELE\" (the file ends before it)"},
      {"ends in the personal lines", cut(130), 131, "the hair color (the file ends"},
      {"text for a level", replaced(18, "three"), 19, "the attributes priority level, a whole"},
      {"a level no bar can hold", replaced(20, " 5 "), 21, "from 0 to 4"},
      {"text for a flag", replaced(35, "Yes"), 36, "\"True\" or \"False\""},
      {"an empty button flag", replaced(60, ""), 61, "\"True\" or \"False\""},
      {"four damage numbers", replaced(43, " 0  0  0  0 "), 44, "damage column 3: five numbers"},
      {"six damage numbers", replaced(56, " 0  0  0  0  0  0 "), 57, "damage column 16"},
      {"a damage value of 2", replaced(41, " 1  2  0  0  0 "), 42, "each 0 or 1"},
      {"16 bits exceeded", replaced(109, " 32768 "), 110,
       "second MOS/FOS, a whole number from -32768 to 32767"},
      {"slot line out of range", replaced(100, "-32769"), 101, "the slot flag"},
      {"32 bits exceeded", replaced(113, "2147483648"), 114, "from -2147483648 to 2147483647"},
      {"a fraction", replaced(115, " 1.5 "), 116, "the asset worth amount"},
      {"a skill twice", replaced(70, "Gunnery"), 71, "an Inner Sphere skill name not already"},
      {"a clan skill twice", inserted(78, {"Survival", "2", "9"}), 79, "a clan skill name not"},
      {"an advantage twice", replaced(83, "Toughness"), 84, "an advantage name not already"},
      {"a weapon twice", replaced(89, "Laser Pistol"), 90, "a weapon name not already"},
      {"equipment twice", replaced(95, "Flak Vest"), 96, "an equipment name not already"},
      {"52 required skills", inserted(117, names52), 169, "\"END REQ\" (at most 51 required"},
      {"an empty elective", replaced(122, ""), 123, "an elective skill name or \"END ELE\""},
      {"a NUL in a value", replaced(2, std::string("Capt\0ain", 8)), 3, "without NUL"},
      {"a NUL in the notes", replaced(139, std::string("x\0", 2)), 140, "without NUL"},
      {"one 100 MB line", "Version 2\r\n" + std::string(100u << 20, 'x'), 2, "16 MiB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ReadOutcome r = parseWarriorFile(c.bytes, "/saves/kai.war");
    ASSERT_EQ(r.status, ReadOutcome::Damaged);
    EXPECT_FALSE(r.opened);  // nothing half filled is handed back
    EXPECT_EQ(r.line, c.line);
    EXPECT_NE(r.expected.find(c.expectedHas), std::string::npos) << r.expected;
  }
  // 51 required skills are still a good list.
  Lines l = splitLines(inserted(117, names51));
  l.erase(l.begin() + 168, l.begin() + 170);
  EXPECT_EQ(openOk(joinLines(l)).warrior.requiredSkills[50], "Skill 50");
}

TEST(WarriorFileReader, TheMessageNamesTheFileTheLineAndWhatBelongsThere) {
  const ReadOutcome r = parseWarriorFile(replaced(17, "high"), "/saves/kai.war");
  EXPECT_EQ(openFailedMessage(r, "/saves/kai.war"),
            "The warrior file \"/saves/kai.war\" cannot be opened because it is damaged: line 18 "
            "should hold the race priority level, a whole number from 0 to 4.");
}

TEST(WarriorFileReader, EveryCutOfAGoodFileBeforeItsNotesIsRefused) {
  const std::string bytes = fixtureBytes("full_warrior.war");
  const std::size_t notes = bytes.find("Served");
  for (std::size_t n = 11; n < notes - 2; ++n) {
    const ReadOutcome r = parseWarriorFile(bytes.substr(0, n), "w.war");
    ASSERT_EQ(r.status, ReadOutcome::Damaged) << "cut at byte " << n;
    ASSERT_GT(r.line, 1);
  }
}

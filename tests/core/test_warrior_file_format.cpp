// Writing warrior files: the exact bytes, and values that would break the line order.
#include <gtest/gtest.h>

#include "WarriorFileSamples.h"

using namespace dk;
using namespace dk::test;

namespace {
// Index of the line after the first one reading marker.
std::size_t after(const std::vector<std::string>& lines, const std::string& marker) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == marker) return i + 1;
  ADD_FAILURE() << "no line " << marker;
  return 0;
}
}  // namespace

TEST(WarriorFileFormat, WarriorsAreWrittenExactlyAsTheGoldenFiles) {
  EXPECT_EQ(formatWarriorFile(Warrior{}, kNewWarriorPath), fixtureBytes("new_warrior.war"));
  EXPECT_EQ(formatWarriorFile(fullWarrior(), kFullWarriorPath), fixtureBytes("full_warrior.war"));
}

TEST(WarriorFileFormat, NumbersPutTheSignWhereTheLeadingSpaceWouldBe) {
  Warrior w;
  w.extraEdgeBought = -32768;
  w.cBills = INT32_MIN, w.equipmentCBills = INT32_MAX, w.assetWorth = -5;
  w.priorityLevel = {0, 1, 2, 3, 4};
  const auto lines = splitLines(formatWarriorFile(w, "p"));
  EXPECT_EQ(lines[21], " 4 ");
  const std::size_t s = after(lines, "STOP EQPT");
  EXPECT_EQ(lines[s + 1], "-32768 ");
  EXPECT_EQ(lines[s + 15], "-2147483648 ");
  EXPECT_EQ(lines[s + 16], " 2147483647 ");
  EXPECT_EQ(lines[s + 17], "-5 ");
}

TEST(WarriorFileFormat, TheSkillListsStopAtTheirFirstEmptyEntry) {
  Warrior w;
  w.requiredSkills[0] = "Gunnery";
  w.requiredSkills[2] = "Hidden";  // behind a gap: not part of the list
  for (auto& s : w.electiveSkills) s = "Blade";
  const auto lines = splitLines(formatWarriorFile(w, "p"));
  const std::size_t req = after(lines, "START REQ");
  EXPECT_EQ(lines[req + 1], "END REQ");
  EXPECT_EQ(lines[after(lines, "START ELE") + 51], "END ELE");
}

TEST(WarriorFileFormat, NotesRunToTheEndWithCrLfLineBreaks) {
  Warrior w;
  w.spouse = "Mara";
  EXPECT_TRUE(formatWarriorFile(w, "p").ends_with("\r\nMara\r\n\r\n"));  // no notes: one empty line
  w.notes = "one\n\nthree\n";
  EXPECT_TRUE(formatWarriorFile(w, "p").ends_with("\r\nMara\r\none\r\n\r\nthree\r\n\r\n"));
  w.notes = "pasted\r\nfrom\relsewhere";  // any form of line break becomes one CR LF
  EXPECT_TRUE(formatWarriorFile(w, "p").ends_with("\r\nMara\r\npasted\r\nfrom\r\nelsewhere\r\n"));
}

TEST(WarriorFileFormat, NothingInAValueCanShiftTheLinesAfterIt) {
  // Each line break in a one-line value is written as a space, and so is a NUL, which would
  // make the file impossible to open again.
  Warrior w;
  w.name = "Kai\nthe\r\nSecond\r";
  w.innerSphere().skills = {{"Gun\nnery", "1", std::string("7\0", 2)}};
  w.spouse = "Mara\nJones";
  w.notes = std::string("a\0b", 3);
  const auto lines = splitLines(formatWarriorFile(w, "/a\nb.war"));
  ASSERT_EQ(lines.size(), splitLines(formatWarriorFile(Warrior{}, "p")).size() + 3);
  // The space left by the last break is trimmed, as the reader would trim it.
  EXPECT_EQ(lines[1], "Kai the Second");
  EXPECT_EQ(lines[after(lines, "START IS SKILLS")], "Gun nery");
  EXPECT_EQ(lines[after(lines, "START IS SKILLS") + 2], "7");
  EXPECT_EQ(lines[after(lines, "STOP EQPT")], "/a b.war");
  EXPECT_EQ(lines[lines.size() - 2], "Mara Jones");
  EXPECT_EQ(lines.back(), "a b");
}

TEST(WarriorFileFormat, TheSlotLineIsAlwaysZeroAndATickedBoxIsOne) {
  Warrior w;
  w.damageBoxes[4][15] = 7;
  w.damageBoxes[3][15] = -1;
  const auto lines = splitLines(formatWarriorFile(w, "p"));
  EXPECT_EQ(lines[56], " 0  0  0  1  1 ");
  EXPECT_EQ(lines[after(lines, "STOP EQPT") + 2], " 0 ");
}

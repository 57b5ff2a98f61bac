// Fixed-pitch text helpers of the sheet: wrapping into a rectangle and filling with blanks.
#include <gtest/gtest.h>

#include "core/printing/TextWrap.h"

using namespace dk;

namespace {
std::vector<std::string> lines(std::string_view text, int columns) {
  std::vector<std::string> out;
  for (const WrappedLine& l : wrapText(text, columns))
    out.emplace_back(text.substr(l.begin, l.end - l.begin));
  return out;
}
using Lines = std::vector<std::string>;
}  // namespace

TEST(SheetText, WrapsAtBlanksBreaksAndOverlongWords) {
  const struct {
    const char* text;
    int columns;
    Lines expected;
  } cases[] = {
      {"", 10, {""}},
      {"Notes\n", 10, {"Notes"}},
      {"Notes\n\nafter a blank line", 29, {"Notes", "", "after a blank line"}},
      {"one two three four", 9, {"one two", "three", "four"}},
      {"exactly nine", 7, {"exactly", "nine"}},         // the blank at the break goes
      {"abcdefghijKLM", 5, {"abcde", "fghij", "KLM"}},  // a word longer than a line is cut
      {"win\r\ndos\rmac\nunix", 10, {"win", "dos", "mac", "unix"}},
      {"  indented  text  ", 10, {"  indented", "text  "}},  // the last line keeps its blanks
      {"\u00e4\u00e4\u00e4 \u00f6\u00f6\u00f6", 3, {"\u00e4\u00e4\u00e4", "\u00f6\u00f6\u00f6"}},
      {"x", 0, {"x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(lines(c.text, c.columns), c.expected) << c.text;
}

TEST(SheetText, EveryCharacterOfTheTextLiesInALineOrBetweenTwo) {
  const std::string text =
      "Lorem ipsum dolor  sit amet,\nconsectetur adipiscing elit sed do "
      "eiusmodtemporincididuntutlabore et dolore magna aliqua.";
  for (int columns = 1; columns < 40; ++columns) {
    std::size_t pos = 0;
    for (const WrappedLine& l : wrapText(text, columns)) {
      ASSERT_LE(pos, l.begin);
      for (std::size_t i = pos; i < l.begin; ++i) EXPECT_TRUE(std::isspace(text[i])) << columns;
      EXPECT_LE(characterCount(std::string_view(text).substr(l.begin, l.end - l.begin)),
                static_cast<std::size_t>(columns));
      pos = l.end;
    }
    for (std::size_t i = pos; i < text.size(); ++i) EXPECT_TRUE(std::isspace(text[i]));
  }
}

TEST(SheetText, PaddingCountsCharactersAndKeepsLongTextsWhole) {
  EXPECT_EQ(padRight("ab", 4), "ab  ");
  EXPECT_EQ(padRight("Zo\u00eb", 5), "Zo\u00eb  ");
  EXPECT_EQ(padRight("toolong", 3), "toolong");
  EXPECT_EQ(padLeft("7", 3), "  7");
  EXPECT_EQ(padLeft("1234", 3), "1234");
  EXPECT_EQ(characterCount("\u25A1\u25A1  "), 4u);
  EXPECT_EQ(firstCharacters("Zo\u00eb's Reach", 3), "Zo\u00eb");
  EXPECT_EQ(firstCharacters("short", 9), "short");
}

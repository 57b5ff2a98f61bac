// The free-format item reader shared by every data file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/files/DataItems.h"

namespace dk {
namespace {

std::vector<std::string> texts(std::string_view input, std::size_t most = SIZE_MAX) {
  std::vector<std::string> out;
  for (const DataItem& item : splitDataItems(input, most)) out.push_back(item.text);
  return out;
}

TEST(DataItems, SplitsAtCommasAndLineEndsWhateverTheLineEnd) {
  struct Case {
    const char* input;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"Small Arms,P\r\nBlade,A\r\n", {"Small Arms", "P", "Blade", "A"}},
      {"Small Arms,P\nBlade,A\n", {"Small Arms", "P", "Blade", "A"}},
      {"Small Arms,P\rBlade,A", {"Small Arms", "P", "Blade", "A"}},
      // A last line without its line end still gives its items.
      {"Small Arms,P\r\nBlade,A", {"Small Arms", "P", "Blade", "A"}},
      // Blanks before an item are skipped, blanks after an unquoted one dropped.
      {"  \tSmall Arms  , P \r\n", {"Small Arms", "P"}},
      // A quoted item keeps its commas and blanks; what follows the closing quote is passed over.
      {"\"New Avalon, Crucis\",\"  x \"junk,Next\n", {"New Avalon, Crucis", "  x ", "Next"}},
      // An empty line is an empty item, and so is nothing between two commas.
      {"a\r\n\r\nb,,c\n", {"a", "", "b", "", "c"}},
      // A quote that never closes runs to the end of the file.
      {"\"open, to the end\n", {"open, to the end\n"}},
      {"", {}},
      {"   ", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(texts(c.input), c.items) << c.input;
}

TEST(DataItems, ReportsTheLineEachItemBeginsOnAndStopsAtTheLimit) {
  const auto items = splitDataItems("a,b\r\n\"c\nd\",e\nf\n");
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0], (DataItem{"a", 1}));
  EXPECT_EQ(items[1], (DataItem{"b", 1}));
  EXPECT_EQ(items[2], (DataItem{"c\nd", 2}));
  EXPECT_EQ(items[3], (DataItem{"e", 3}));
  EXPECT_EQ(items[4], (DataItem{"f", 4}));
  EXPECT_EQ(texts("a,b,c,d", 3), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(DataItems, ReadsAFileInEitherEncodingAndSaysWhyOneCannotBeRead) {
  const std::string path = ::testing::TempDir() + "/items.dat";
  {
    std::ofstream out(path, std::ios::binary);
    out << "Caf\xE9,S\r\n";  // Windows-1252
  }
  auto read = readDataFileItems(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->at(0).text, "Caf\xC3\xA9");
  std::remove(path.c_str());

  read = readDataFileItems(path);
  EXPECT_FALSE(read);
  EXPECT_EQ(dataFileUnreadableMessage("skills.dat", read.message()),
            "The data file \"skills.dat\" could not be read: the file does not exist.");
  EXPECT_EQ(
      dataFileFaultMessage("skills.dat", 7, "the characteristic code is missing"),
      "The data file \"skills.dat\" is damaged at line 7: the characteristic code is missing.");
}

}  // namespace
}  // namespace dk

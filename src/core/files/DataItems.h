#pragma once
// The one reader of every game data file (skills, specialities, packages, weapons, equipment,
// planets). A data file is a run of items in free format: an item ends at a comma or a line end,
// blanks before an item are skipped, blanks after an unquoted item are dropped, and an item that
// begins with a double quote runs to the next double quote (it may hold commas; the quotes are
// not part of the value, and anything between the closing quote and the next comma or line end
// is passed over). An empty line is one empty item. The readers of the single files give the
// items their meaning.

#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/util/Result.h"

namespace dk {

struct DataItem {
  std::string text;
  int line = 0;  // the line the item begins on, from 1
  bool operator==(const DataItem&) const = default;
};

// The items of a text, at most maxItems of them (reading stops there).
std::vector<DataItem> splitDataItems(
    std::string_view text, std::size_t maxItems = std::numeric_limits<std::size_t>::max());

// The items of a text line by line, in the order of the lines: each line the run of its items (in
// their own order) in `order`. Not copied: the lines are views of `order`.
using DataLine = std::span<const DataItem* const>;
struct DataLines {
  std::vector<const DataItem*> order;
  std::vector<std::pair<int, DataLine>> lines;  // the line number, and its items
  DataLines() = default;
  DataLines(DataLines&&) = default;
  DataLines(const DataLines&) = delete;
  DataLines& operator=(const DataLines&) = delete;
  auto begin() const { return lines.begin(); }
  auto end() const { return lines.end(); }
  std::size_t size() const { return lines.size(); }
};
DataLines dataLines(const std::vector<DataItem>& items);

// A data file larger than this is not read: none of ours comes near it.
inline constexpr std::size_t kMaxDataFileBytes = 4u << 20;

// Reads the file at path (UTF-8 when valid, else Windows-1252) and splits it into at most
// maxItems items; or why it cannot be read.
Result<std::vector<DataItem>> readDataFileItems(
    const std::string& path, std::size_t maxItems = std::numeric_limits<std::size_t>::max());

// The messages every data file reader shows: a file that cannot be read at all, and one with a
// fault at a line. fileName is the bare name the program looks for ("skills.dat").
std::string dataFileUnreadableMessage(const std::string& fileName, const std::string& reason);
std::string dataFileFaultMessage(const std::string& fileName, int line, const std::string& fault);
// What is wrong with a data file, where: what a reader's message says, for a caller that wants the
// parts (the check of a catalogue file lists it beside its own findings).
struct DataFault {
  int line = 0;
  std::string text;
};

}  // namespace dk

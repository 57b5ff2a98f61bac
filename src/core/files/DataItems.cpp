#include "core/files/DataItems.h"

#include <algorithm>

#include "core/files/ReadFile.h"
#include "core/util/TextEncoding.h"

namespace dk {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsItem(char c) { return c == ',' || c == '\r' || c == '\n'; }
}  // namespace

std::vector<DataItem> splitDataItems(std::string_view text, std::size_t maxItems) {
  std::vector<DataItem> items;
  const std::size_t n = text.size();
  std::size_t i = 0;
  int line = 1;
  while (i < n && items.size() < maxItems) {
    while (i < n && isBlank(text[i])) ++i;
    if (i >= n) break;
    DataItem item;
    item.line = line;
    if (text[i] == '"') {
      // A quoted item may even run over a line end; count the lines it spans.
      std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) close = n;
      item.text.assign(text.substr(i + 1, close - i - 1));
      for (char c : item.text)
        if (c == '\n') ++line;
      i = close < n ? close + 1 : n;
      while (i < n && !endsItem(text[i])) ++i;
    } else {
      std::size_t end = i;
      while (end < n && !endsItem(text[end])) ++end;
      std::size_t last = end;
      while (last > i && isBlank(text[last - 1])) --last;
      item.text.assign(text.substr(i, last - i));
      i = end;
    }
    items.push_back(std::move(item));
    if (i < n) {
      if (text[i] == ',') {
        ++i;
      } else if (text[i] == '\r') {
        i += (i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
        ++line;
      } else if (text[i] == '\n') {
        ++i;
        ++line;
      }
    }
  }
  return items;
}

DataLines dataLines(const std::vector<DataItem>& items) {
  DataLines out;
  out.order.reserve(items.size());
  for (const DataItem& item : items) out.order.push_back(&item);
  // The reader gives the items line after line; sorted only when they come otherwise.
  const auto byNumber = [](const DataItem* a, const DataItem* b) { return a->line < b->line; };
  if (!std::is_sorted(out.order.begin(), out.order.end(), byNumber))
    std::stable_sort(out.order.begin(), out.order.end(), byNumber);
  for (std::size_t i = 0; i < out.order.size();) {
    std::size_t end = i + 1;
    while (end < out.order.size() && out.order[end]->line == out.order[i]->line) ++end;
    out.lines.emplace_back(out.order[i]->line, DataLine(out.order.data() + i, end - i));
    i = end;
  }
  return out;
}

Result<std::vector<DataItem>> readDataFileItems(const std::string& path, std::size_t maxItems) {
  using Items = Result<std::vector<DataItem>>;
  // One byte more than the limit tells a file that is too large from one that just fits.
  const Result<std::string> bytes = readFilePrefix(path, kMaxDataFileBytes + 1);
  if (!bytes) return Items::failure(bytes.message());
  if (bytes->size() > kMaxDataFileBytes)
    return Items::failure("it is larger than " + std::to_string(kMaxDataFileBytes >> 20) + " MiB");
  return splitDataItems(decodeFileText(*bytes), maxItems);
}

std::string dataFileUnreadableMessage(const std::string& fileName, const std::string& reason) {
  return "The data file \"" + fileName + "\" could not be read: " + reason + ".";
}

std::string dataFileFaultMessage(const std::string& fileName, int line, const std::string& fault) {
  return "The data file \"" + fileName + "\" is damaged at line " + std::to_string(line) + ": " +
         fault + ".";
}

}  // namespace dk

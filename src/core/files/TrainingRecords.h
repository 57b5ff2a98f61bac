#pragma once
// The one reader of the training files ("ismosfos.dat", "ispack.dat"). A record begins with an
// item whose first five characters are "Start"; one separator character follows, and the
// record's name is the rest of the item. Items between records are passed over. Each file says
// only how the rest of its record reads.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr std::size_t kMaxTrainingFileItems = 256;  // both training files
inline constexpr std::size_t kMaxTrainingRecords = 51;

inline bool beginsRecord(std::string_view item) { return item.substr(0, 5) == "Start"; }

// What is wrong with a record, where: the reading of a file stops at the first of them.
struct RecordFault {
  int line;
  std::string fault;
};

// The items of one record after its start, read in order.
class RecordItems {
 public:
  RecordItems(const std::vector<DataItem>& items, std::size_t& at, const DataItem& start)
      : items_(items), at_(at), start_(start) {}
  // Whether the record goes on: another item that begins no record follows.
  bool more() const { return at_ < items_.size() && !beginsRecord(items_[at_].text); }
  // The next item of the record; `ended` says what is missing (at `line`, else at the record's
  // start) when the record has none.
  const DataItem& next(const std::string& ended, int line = 0) {
    if (!more()) throw RecordFault{line ? line : start_.line, ended};
    return items_[at_++];
  }
  // The next item of the file, whatever it is (the fixed items after the start).
  const DataItem& take(const std::string& ended) {
    if (at_ >= items_.size()) throw RecordFault{start_.line, ended};
    return items_[at_++];
  }
  // Whether the file holds at least n more items.
  bool holds(std::size_t n) const { return items_.size() - at_ >= n; }
  const DataItem& start() const { return start_; }

 private:
  const std::vector<DataItem>& items_;
  std::size_t& at_;
  const DataItem& start_;
};

struct TrainingFile {
  const char* fileName;  // "ismosfos.dat"
  const char* kind;      // "speciality", for the messages
  const char* kinds;     // "specialities"
  bool namesDiffer;      // two records may not share a name
};

// The records of a file's items: at most 256 items and 51 records, each with a name; `read`
// reads one from its items after the start (given the record's name, quoted) and throws a
// RecordFault where it is damaged. A damaged file gives no records, only the fault.
template <typename Record, typename ReadRecord>
Result<std::vector<Record>> readTrainingRecords(const std::vector<DataItem>& items,
                                                const TrainingFile& file, ReadRecord read,
                                                DataFault* fault = nullptr) {
  const auto fail = [&file, fault](int line, const std::string& text) {
    if (fault) *fault = {line, text};
    return Result<std::vector<Record>>::failure(dataFileFaultMessage(file.fileName, line, text));
  };
  if (items.size() > kMaxTrainingFileItems)
    return fail(items[kMaxTrainingFileItems].line, "it holds more than 256 items");
  std::vector<Record> records;
  std::size_t i = 0;
  try {
    while (i < items.size()) {
      if (!beginsRecord(items[i].text)) {
        ++i;
        continue;
      }
      const DataItem& start = items[i++];
      const std::string name = start.text.size() > 6 ? start.text.substr(6) : std::string();
      if (name.empty()) return fail(start.line, std::string("a ") + file.kind + " has no name");
      if (records.size() == kMaxTrainingRecords)
        return fail(start.line, std::string("it holds more than 51 ") + file.kinds);
      for (const Record& other : records)
        if (file.namesDiffer && other.name == name)
          return fail(start.line,
                      std::string("a second ") + file.kind + " is named \"" + name + "\"");
      RecordItems rest(items, i, start);
      Record record = read(rest, name, "\"" + name + "\"");
      record.name = name;
      records.push_back(std::move(record));
    }
  } catch (const RecordFault& f) {
    return fail(f.line, f.fault);
  }
  return records;
}

// A training file read from disk: at most one item more than the limit, so that an overlong
// file shows.
template <typename Parse>
auto loadTrainingFile(const std::string& path, const TrainingFile& file, Parse parse)
    -> decltype(parse(std::vector<DataItem>{})) {
  using Read = decltype(parse(std::vector<DataItem>{}));
  const auto items = readDataFileItems(path, kMaxTrainingFileItems + 1);
  if (!items) return Read::failure(dataFileUnreadableMessage(file.fileName, items.message()));
  return parse(*items);
}

}  // namespace dk

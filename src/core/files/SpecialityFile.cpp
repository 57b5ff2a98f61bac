#include "core/files/SpecialityFile.h"

#include <algorithm>

#include "core/files/RecordStart.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

SpecialityTable parseSpecialities(const std::vector<DataItem>& items) {
  SpecialityTable table;
  const auto fail = [&table](int line, const std::string& fault) {
    table.specialities.clear();
    table.problem = dataFileFaultMessage(kSpecialityFileName, line, fault);
    return table;
  };
  if (items.size() > kMaxTrainingFileItems)
    return fail(items[kMaxTrainingFileItems].line, "it holds more than 256 items");

  std::size_t i = 0;
  while (i < items.size()) {
    if (!beginsRecord(items[i].text)) {
      ++i;
      continue;
    }
    const DataItem& start = items[i++];
    Speciality s;
    s.name = recordName(start.text);
    if (s.name.empty()) return fail(start.line, "a speciality has no name");
    const std::string name = quoted(s.name);
    if (table.specialities.size() == kMaxSpecialities)
      return fail(start.line, "it holds more than 51 specialities");
    for (const Speciality& other : table.specialities)
      if (other.name == s.name) return fail(start.line, "a second speciality is named " + name);

    // The required count, then one item nobody reads.
    if (i + 1 >= items.size()) return fail(start.line, name + " is cut short");
    const std::optional<std::int64_t> count = parseWholeNumber(items[i].text);
    if (!count || *count < 0 || !fitsInt16(*count))
      return fail(items[i].line, "the required count of " + name + " is not a whole number");
    s.requiredCount = static_cast<std::int16_t>(*count);
    i += 2;

    bool electives = false;
    for (;;) {
      if (i >= items.size() || beginsRecord(items[i].text))
        return fail(start.line, name + (electives ? " has no \"End\"" : " has no \"Electives\""));
      const DataItem& item = items[i++];
      if (!electives && item.text == "Electives") {
        electives = true;
        continue;
      }
      if (item.text == "End") {
        if (electives) break;
        return fail(item.line, name + " ends before its \"Electives\"");
      }
      std::vector<std::string>& list = electives ? s.electives : s.required;
      const char* what = electives ? "elective" : "required";
      if (item.text.empty()) return fail(item.line, name + " has an empty skill name");
      if (list.size() == kMaxSpecialitySkills)
        return fail(item.line, name + " names more than 51 " + what + " skills");
      if (contains(list, item.text))
        return fail(item.line, name + " names the " + what + " skill " + quoted(item.text) +
                                   " twice");
      list.push_back(item.text);
    }
    // A count the list cannot meet would leave the player unable to finish the choice.
    if (static_cast<std::size_t>(s.requiredCount) > s.required.size())
      return fail(start.line, name + " asks for " + toText(s.requiredCount) +
                                  " required skills but names only " +
                                  toText(static_cast<std::int64_t>(s.required.size())));
    table.specialities.push_back(std::move(s));
  }
  return table;
}

SpecialityTable loadSpecialities(const std::string& path) {
  const DataFileItems read = readDataFileItems(path, kMaxTrainingFileItems + 1);
  if (!read.readable) {
    SpecialityTable table;
    table.problem = dataFileUnreadableMessage(kSpecialityFileName, read.reason);
    return table;
  }
  return parseSpecialities(read.items);
}

}  // namespace dk

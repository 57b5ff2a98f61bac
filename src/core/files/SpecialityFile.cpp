#include "core/files/SpecialityFile.h"

#include <algorithm>

#include "core/files/TrainingRecords.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

constexpr TrainingFile kFile{kSpecialityFileName, "speciality", "specialities", true};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The rest of a record: the required count, one item nobody reads, the required skills,
// "Electives", the elective skills, "End".
Speciality readSpeciality(RecordItems& in, const std::string&, const std::string& name) {
  Speciality s;
  if (!in.holds(2)) throw RecordFault{in.start().line, name + " is cut short"};
  const DataItem& countItem = in.take(name + " is cut short");
  const std::optional<std::int64_t> count = parseWholeNumber(countItem.text);
  if (!count || *count < 0 || !fitsInt16(*count))
    throw RecordFault{countItem.line, "the required count of " + name + " is not a whole number"};
  s.requiredCount = static_cast<std::int16_t>(*count);
  in.take(name + " is cut short");

  bool electives = false;
  for (;;) {
    const DataItem& item =
        in.next(name + (electives ? " has no \"End\"" : " has no \"Electives\""));
    if (!electives && item.text == "Electives") {
      electives = true;
      continue;
    }
    if (item.text == "End") {
      if (electives) break;
      throw RecordFault{item.line, name + " ends before its \"Electives\""};
    }
    std::vector<std::string>& list = electives ? s.electives : s.required;
    const char* what = electives ? "elective" : "required";
    if (item.text.empty()) throw RecordFault{item.line, name + " has an empty skill name"};
    if (list.size() == kMaxSpecialitySkills)
      throw RecordFault{item.line, name + " names more than 51 " + what + " skills"};
    if (contains(list, item.text))
      throw RecordFault{item.line,
                        name + " names the " + what + " skill " + quoted(item.text) + " twice"};
    list.push_back(item.text);
  }
  // A count the list cannot meet would leave the player unable to finish the choice.
  if (static_cast<std::size_t>(s.requiredCount) > s.required.size())
    throw RecordFault{in.start().line, name + " asks for " + toText(s.requiredCount) +
                                           " required skills but names only " +
                                           toText(static_cast<std::int64_t>(s.required.size()))};
  return s;
}

}  // namespace

Result<std::vector<Speciality>> parseSpecialities(const std::vector<DataItem>& items,
                                                  DataFault* fault) {
  return readTrainingRecords<Speciality>(items, kFile, readSpeciality, fault);
}

Result<std::vector<Speciality>> loadSpecialities(const std::string& path) {
  return loadTrainingFile(path, kFile, [](const auto& items) { return parseSpecialities(items); });
}

}  // namespace dk

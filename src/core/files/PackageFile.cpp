#include "core/files/PackageFile.h"

#include <algorithm>

#include "core/files/RecordStart.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {
std::string quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

PackageTable parsePackages(const std::vector<DataItem>& items) {
  PackageTable table;
  const auto fail = [&table](int line, const std::string& fault) {
    table.packages.clear();
    table.problem = dataFileFaultMessage(kPackageFileName, line, fault);
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
    SkillPackage p;
    p.name = recordName(start.text);
    if (p.name.empty()) return fail(start.line, "a package has no name");
    const std::string name = quoted(p.name);
    if (table.packages.size() == kMaxPackages)
      return fail(start.line, "it holds more than 51 packages");

    if (i >= items.size()) return fail(start.line, name + " is cut short");
    const std::optional<std::int64_t> cost = parseWholeNumber(items[i].text);
    if (!cost || *cost < 0 || !fitsInt16(*cost))
      return fail(items[i].line, "the cost of " + name + " is not a whole number");
    p.cost = static_cast<std::int16_t>(*cost);
    ++i;

    for (;;) {
      // "End" counts only where a skill name is expected.
      if (i >= items.size() || beginsRecord(items[i].text))
        return fail(start.line, name + " has no \"End\"");
      const DataItem& skill = items[i++];
      if (skill.text == "End") break;
      if (skill.text.empty()) return fail(skill.line, name + " has an empty skill name");
      if (p.skills.size() == kMaxPackageSkills)
        return fail(skill.line, name + " names more than 51 skills");
      const bool twice = std::any_of(p.skills.begin(), p.skills.end(),
                                     [&](const SkillPackageEntry& s) { return s.name == skill.text; });
      if (twice) return fail(skill.line, name + " names the skill " + quoted(skill.text) + " twice");
      if (i >= items.size() || beginsRecord(items[i].text))
        return fail(skill.line, "the skill " + quoted(skill.text) + " of " + name + " has no level");
      const DataItem& level = items[i++];
      const std::optional<std::int64_t> value = parseWholeNumber(level.text);
      if (!value || *value < 1 || !fitsInt16(*value))
        return fail(level.line, "the level of " + quoted(skill.text) + " in " + name +
                                    " is not a whole number of 1 or more");
      p.skills.push_back({skill.text, toText(*value)});
    }
    table.packages.push_back(std::move(p));
  }
  return table;
}

PackageTable loadPackages(const std::string& path) {
  const DataFileItems read = readDataFileItems(path, kMaxTrainingFileItems + 1);
  if (!read.readable) {
    PackageTable table;
    table.problem = dataFileUnreadableMessage(kPackageFileName, read.reason);
    return table;
  }
  return parsePackages(read.items);
}

}  // namespace dk

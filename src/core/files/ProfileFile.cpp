#include "core/files/ProfileFile.h"

#include <algorithm>
#include <map>

#include "core/util/Numeric.h"

namespace dk {

namespace {

struct Fault {
  int line;
  std::string text;
};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

template <std::size_t N>
int indexOf(const std::array<const char*, N>& names, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i)
    if (name == names[i]) return static_cast<int>(i);
  return -1;
}

constexpr std::array<const char*, 5> kAttributeCodes{"BLD", "REF", "INT", "LRN", "CHA"};

template <std::size_t N>
std::string listed(const std::array<const char*, N>& names) {
  std::string out;
  for (std::size_t i = 0; i < N; ++i)
    out += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + names[i];
  return out;
}

int weightOf(const DataItem& item, int highest = kHighestForgeWeight) {
  const auto value = parseWholeNumber(item.text);
  if (!value || *value < 0 || *value > highest)
    throw Fault{item.line, "the weight " + quoted(item.text) + " is not a whole number from 0 to " +
                               toText(highest)};
  return static_cast<int>(*value);
}

class ProfileReader {
 public:
  void line(DataLine items) {
    const DataItem& key = *items.front();
    const int n = key.line;
    if (key.text.empty() && items.size() == 1) return;
    if (!key.text.empty() && key.text.front() == '#') return;
    const std::string& k = key.text;
    if (k == "Profile") {
      expect(items, 2, "a Profile line holds 2: \"Profile\" and the name");
      if (!profile.name.empty()) throw Fault{n, "the profile is named twice"};
      if (items[1]->text.empty()) throw Fault{n, "the profile has an empty name"};
      profile.name = items[1]->text;
    } else if (k == "Transfer") {
      expect(items, 2, "a Transfer line holds 2: \"Transfer\" and a chance in 100");
      once(k, n);
      profile.transfer = weightOf(*items[1], 100);
    } else if (k == "Race") {
      setIndexed(items, profile.races, kForgeRaces, "race");
    } else if (k == "Priority") {
      setIndexed(items, profile.priorities, kForgePriorities, "priority");
    } else if (k == "Attribute") {
      setIndexed(items, profile.attributes, kAttributeCodes, "attribute");
    } else if (k == "Training") {
      setIndexed(items, profile.trainings, kForgeTrainings, "training");
    } else if (auto* list = named(k)) {
      expect(items, 3, ("a " + k + " line holds 3: \"" + k + "\", a name and a weight").c_str());
      const std::string& name = items[1]->text;
      if (name.empty()) throw Fault{n, "the " + k + " line has an empty name"};
      once(k + "," + name, n);
      list->push_back({name, weightOf(*items[2])});
    } else {
      throw Fault{n, "the keyword " + quoted(k) +
                         " is not one a profile knows (Profile, Race, Priority, Attribute, "
                         "Training, Speciality, Package, Skill, Advantage, Gear, Rank, Transfer)"};
    }
  }

  Profile profile;

 private:
  static void expect(DataLine items, std::size_t want, const char* what) {
    if (items.size() != want)
      throw Fault{items.front()->line,
                  "the line holds " +
                      countText(static_cast<std::int64_t>(items.size()), "item", "items") + "; " +
                      what};
  }
  void once(const std::string& key, int line) {
    const auto [at, added] = seen_.emplace(key, line);
    if (!added) throw Fault{line, quoted(key) + " is given already on line " + toText(at->second)};
  }
  template <std::size_t N, std::size_t M>
  void setIndexed(DataLine items, std::array<int, N>& weights,
                  const std::array<const char*, M>& names, const char* what) {
    const std::string& k = items.front()->text;
    expect(items, 3,
           ("a " + k + " line holds 3: \"" + k + "\", a " + what + " and a weight").c_str());
    const int at = indexOf(names, items[1]->text);
    if (at < 0)
      throw Fault{items[1]->line, "the " + std::string(what) + " " + quoted(items[1]->text) +
                                      " is not one a profile knows (" + listed(names) + ")"};
    once(k + "," + names[static_cast<std::size_t>(at)], items.front()->line);
    // The first Race line says which races the profile means: the others are not wanted.
    if (k == "Race" && !racesGiven_) weights.fill(0);
    if (k == "Race") racesGiven_ = true;
    weights[static_cast<std::size_t>(at)] = weightOf(*items[2]);
  }
  std::vector<ForgeWeight>* named(const std::string& k) {
    if (k == "Speciality") return &profile.specialities;
    if (k == "Package") return &profile.packages;
    if (k == "Skill") return &profile.skills;
    if (k == "Advantage") return &profile.advantages;
    if (k == "Gear") return &profile.gear;
    if (k == "Rank") return &profile.ranks;
    return nullptr;
  }

  std::map<std::string, int> seen_;
  bool racesGiven_ = false;
};

}  // namespace

bool isProfileFileName(std::string_view name) {
  const std::string_view ext = kProfileExtension;
  return name.size() > ext.size() && name.substr(name.size() - ext.size()) == ext;
}

Result<Profile> parseProfile(const std::vector<DataItem>& items, DataFault* fault) {
  const auto failed = [fault](int line, std::string text) {
    if (fault) *fault = {line, text};
    return Result<Profile>::failure(line > 0 ? "line " + toText(line) + ": " + text : text);
  };
  const DataLines lines = dataLines(items);
  if (lines.size() > kMaxProfileLines)
    return failed(0, "it holds more than " + toText(kMaxProfileLines) + " lines");
  ProfileReader reader;
  try {
    for (const auto& [n, line] : lines) reader.line(line);
  } catch (const Fault& f) {
    return failed(f.line, f.text);
  }
  Profile& p = reader.profile;
  if (p.name.empty()) return failed(0, "it names no profile (a line \"Profile,<name>\")");
  if (std::all_of(p.races.begin(), p.races.end(), [](int w) { return w == 0; }))
    return failed(0, "it gives no race a weight above 0");
  return std::move(p);
}

}  // namespace dk

#include "core/model/Warrior.h"

#include <algorithm>
#include <array>

#include "core/util/Numeric.h"

namespace dk {

namespace {
// Index of the last row named exactly so, or -1.
int lastRowNamed(const std::vector<AdvantageEntry>& rows, const std::string& name) {
  for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
    if (rows[static_cast<std::size_t>(i)].name == name) return i;
  }
  return -1;
}
}  // namespace

void Warrior::addAdv(const std::string& advantage, std::int16_t level) {
  const int row = lastRowNamed(advantages, advantage);
  if (row >= 0) {
    advantages[static_cast<std::size_t>(row)].level = toText(level);
    return;
  }
  std::string rowName = advantage;
  if (advantage == kNaturalAptitude) rowName = advantage + " (" + aptitudeSkill + ")";
  advantages.push_back({rowName, toText(level)});
}

void Warrior::removeAdv(const std::string& advantage) {
  const int row = lastRowNamed(advantages, advantage);
  if (row >= 0) advantages.erase(advantages.begin() + row);
}

std::int16_t Warrior::getAdvLvl(const std::string& advantage) const {
  const int row = lastRowNamed(advantages, advantage);
  if (row < 0) return 0;
  return clampToInt16(integerPart(advantages[static_cast<std::size_t>(row)].level));
}

bool Warrior::haveAdv(const std::string& advantage) const {
  if (lastRowNamed(advantages, advantage) >= 0) return true;
  if (advantage == kNaturalAptitude) {
    const std::string prefix = std::string(kNaturalAptitude) + " (";
    for (const auto& row : advantages) {
      if (row.name.compare(0, prefix.size(), prefix) == 0) return true;
    }
  }
  return false;
}

std::int16_t scoreValue(const Warrior& w, Attribute a) {
  return clampToInt16(integerPart(w.attributeScore[a]));
}

std::string warriorCaption(const Warrior& w) { return "Warrior: " + w.name; }

std::string quotedName(const std::string& name, const char* nameless) {
  return name.empty() ? nameless : "\u201c" + name + "\u201d";
}

const char* poolTitle(Pool pool) {
  static constexpr std::array<const char*, kPoolCount> titles{"Race", "Attributes", "Skills",
                                                              "Advantages", "BattleMech"};
  return titles[static_cast<std::size_t>(pool)];
}

const char* attributeCode(Attribute a) {
  static constexpr std::array<const char*, kAttributeCount> codes{"BLD", "REF", "INT", "LRN",
                                                                  "CHA"};
  return codes[static_cast<std::size_t>(a)];
}

const char* attributeTitle(Attribute a) {
  static constexpr std::array<const char*, kAttributeCount> titles{"Build", "Reflexes", "Intuition",
                                                                   "Learn", "Charisma"};
  return titles[static_cast<std::size_t>(a)];
}

}  // namespace dk

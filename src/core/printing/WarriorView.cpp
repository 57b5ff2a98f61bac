#include "core/printing/WarriorView.h"

#include <algorithm>
#include <cstdint>

#include "core/model/DamageTrack.h"
#include "core/printing/CharacterSheet.h"
#include "core/util/Numeric.h"

namespace dk {

namespace {

// A roll or a save as the sheet writes it: the number and "+" ("9+"); nothing while it is not
// computed yet.
std::string withPlus(const std::string& number) { return number.empty() ? number : number + "+"; }

ViewObject row(std::initializer_list<std::pair<const char*, std::string>> texts) {
  ViewObject out;
  for (const auto& [name, text] : texts) out.add(name, text);
  return out;
}

ViewList gearRows(const std::vector<GearEntry>& gear) {
  ViewList out;
  out.reserve(gear.size());
  for (const GearEntry& g : gear) out.push_back(row({{"name", g.name}, {"quantity", g.quantity}}));
  return out;
}

ViewList attributeRows(const Warrior& w) {
  ViewList out;
  for (int a = 0; a < kAttributeCount; ++a) {
    const auto attribute = static_cast<Attribute>(a);
    const std::string& score = w.attributeScore[a];
    out.push_back(row({{"name", attributeTitle(attribute)},
                       {"code", attributeCode(attribute)},
                       {"score", score},
                       {"save", toText(attributeSave(score)) + "+"}}));
  }
  return out;
}

ViewList characteristicRows(const Warrior& w) {
  static const char* const names[kCharacteristicCount] = {"Athletic", "Physical", "Mental",
                                                          "Social"};
  static const char* const formulas[kCharacteristicCount] = {"18-BLD-REF", "18-REF-INT",
                                                             "18-INT-LRN", "18-INT-CHA"};
  ViewList out;
  for (int c = 0; c < kCharacteristicCount; ++c)
    out.push_back(row(
        {{"name", names[c]}, {"roll", withPlus(w.characteristic[c])}, {"formula", formulas[c]}}));
  return out;
}

ViewList thresholdRows(const Warrior& w) {
  ViewList out;
  out.push_back(row({{"location", "Head"}, {"value", w.thresholdHead}, {"formula", "BLD x 2"}}));
  out.push_back(row({{"location", "Torso"}, {"value", w.thresholdTorso}, {"formula", "BLD x 6"}}));
  out.push_back(row({{"location", "Arm"}, {"value", w.thresholdArm}, {"formula", "BLD x 3"}}));
  out.push_back(row({{"location", "Leg"}, {"value", w.thresholdLeg}, {"formula", "BLD x 3"}}));
  return out;
}

// The sheet's damage track: one numbered pair of boxes per point of Build, at most eight; a box
// holds the tick the warrior's grid has.
int sheetDamagePairs(const Warrior& w) {
  return static_cast<int>(
      std::clamp<std::int64_t>(integerPart(w.attributeScore[kBLD]), 0, kSheetDamagePairs));
}

ViewList damageRows(const Warrior& w) {
  const int boxes = 2 * sheetDamagePairs(w);
  ViewList out;
  for (int r = 0; r < kDamageRows; ++r) {
    const DamageCondition& condition = kDamageConditions[static_cast<std::size_t>(r)];
    std::string save;
    for (const char* c = condition.save; *c; ++c)
      if (*c != ' ') save += *c;
    ViewObject line = row({{"woundFactor", condition.woundFactor},
                           {"condition", condition.condition},
                           {"save", save}});
    ViewList ticks;
    for (int b = 0; b < boxes; ++b) {
      ViewObject box;
      box.add("ticked",
              w.damageBoxes[static_cast<std::size_t>(r)][static_cast<std::size_t>(b)] != 0);
      box.add("endsPair", b % 2 == 1);
      ticks.push_back(std::move(box));
    }
    line.add("boxes", std::move(ticks));
    out.push_back(std::move(line));
  }
  return out;
}

ViewList damagePairRows(const Warrior& w) {
  ViewList out;
  for (int k = 1; k <= sheetDamagePairs(w); ++k) out.push_back(row({{"number", toText(k)}}));
  return out;
}

ViewList noteLines(const std::string& notes) {
  ViewList out;
  if (notes.empty()) return out;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = notes.find('\n', begin);
    std::string line = notes.substr(begin, end == std::string::npos ? end : end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(row({{"line", line}}));
    if (end == std::string::npos) break;
    begin = end + 1;
  }
  // A last line break ends the last line rather than opening an empty one.
  if (notes.back() == '\n') out.pop_back();
  return out;
}

}  // namespace

const ViewValue* ViewObject::find(const std::string& name) const {
  for (const auto& [key, value] : fields)
    if (key == name) return &value;
  return nullptr;
}

void ViewObject::add(std::string name, std::string text) {
  fields.push_back({std::move(name), {std::move(text)}});
}
void ViewObject::add(std::string name, bool flag) { fields.push_back({std::move(name), {flag}}); }
void ViewObject::add(std::string name, ViewList rows) {
  fields.push_back({std::move(name), {std::move(rows)}});
}

ViewObject warriorView(const Warrior& w, int number) {
  ViewObject v;
  v.add("number", toText(number));
  v.add("name", w.name);
  v.add("rank", w.rank);
  v.add("affiliation", w.affiliation);
  v.add("homePlanet", w.homePlanet);
  v.add("vehicleType", w.vehicleType);
  v.add("race", w.priorityGrant[kRace]);
  v.add("clan", w.isClan);
  v.add("attributes", attributeRows(w));
  v.add("characteristics", characteristicRows(w));
  v.add("edge", w.edge);
  v.add("edgeUsed", w.edgeUsed);
  v.add("apTotal", w.apTotal);
  v.add("spTotal", w.spTotal);
  v.add("advantages", [&] {
    ViewList out;
    for (const AdvantageEntry& a : w.advantages)
      out.push_back(row({{"name", a.name}, {"points", a.level}}));
    return out;
  }());
  v.add("skillArea", activeSkillArea(w) == SkillArea::Clan ? "Clan Skills" : "Inner Sphere Skills");
  v.add("skills", [&] {
    ViewList out;
    for (const SkillEntry& s : w.area(activeSkillArea(w)).skills)
      out.push_back(row({{"name", s.name}, {"level", s.level}, {"roll", withPlus(s.roll)}}));
    return out;
  }());
  v.add("specialities", [&] {
    ViewList out;
    for (const std::string* name : {&w.mosName1, &w.mosName2})
      if (!name->empty()) out.push_back(row({{"name", *name}}));
    return out;
  }());
  v.add("packageType", w.packageName);
  v.add("weapons", gearRows(w.weapons));
  v.add("equipment", gearRows(w.equipment));
  v.add("cBills", w.cBillsText);
  v.add("assetWorth", w.assetWorthText);
  v.add("thresholds", thresholdRows(w));
  v.add("damagePairs", damagePairRows(w));
  v.add("damageTrack", damageRows(w));
  const std::pair<const char*, const std::string*> personal[] = {{"age", &w.age},
                                                                 {"sex", &w.sex},
                                                                 {"height", &w.height},
                                                                 {"weight", &w.weight},
                                                                 {"dateOfBirth", &w.dateOfBirth},
                                                                 {"placeOfBirth", &w.placeOfBirth},
                                                                 {"siblings", &w.siblings},
                                                                 {"spouse", &w.spouse},
                                                                 {"hairColor", &w.hairColor},
                                                                 {"eyeColor", &w.eyeColor},
                                                                 {"nationality", &w.nationality}};
  for (const auto& [name, value] : personal) v.add(name, *value);
  v.add("notes", w.notes);
  v.add("noteLines", noteLines(w.notes));
  return v;
}

ViewObject rosterView(int warriorCount, bool withWarriorList) {
  ViewObject v;
  v.add("warriorCount", toText(warriorCount));
  if (withWarriorList) v.add("warriors", ViewList{sampleWarriorView()});
  return v;
}

const ViewObject& sampleWarriorView() {
  static const ViewObject view = [] {
    Warrior w;
    w.name = "Kira Valdane";
    w.attributeScore[kBLD] = "1";
    w.innerSphere().skills.push_back({"Gunnery/BattleMech", "3", "7"});
    w.mosName1 = "MechWarrior";
    w.advantages.push_back({"Combat Sense", "2"});
    w.weapons.push_back({"Halloran Service Pistol", "1"});
    w.equipment.push_back({"Field Kit", "1"});
    w.notes = "Notes";
    return warriorView(w, 1);
  }();
  return view;
}

std::vector<std::string> templateNamePaths() {
  std::vector<std::string> out;
  const auto walk = [&out](const auto& self, const ViewObject& object,
                           const std::string& prefix) -> void {
    for (const auto& [name, value] : object.fields) {
      out.push_back(prefix + name);
      if (const auto* rows = std::get_if<ViewList>(&value.value); rows && !rows->empty())
        self(self, rows->front(), prefix + name + ".");
    }
  };
  // The roster's names, then the warrior's (inside {{#warriors}} or, without it, at the top).
  walk(walk, rosterView(1, false), "");
  out.push_back("warriors");
  walk(walk, sampleWarriorView(), "");
  return out;
}

}  // namespace dk

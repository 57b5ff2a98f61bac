// Builds a warrior from the input (any texts, any list lengths, the 16-bit and 32-bit extremes,
// every flag), saves it and opens it again. A save either refuses, and then the file could not
// have held this warrior, or it gives bytes that open as the same warrior (after the
// normalisations the file documents) and that save again to the very same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/files/FileLimits.h"
#include "core/files/WarriorFile.h"
#include "core/util/TextEncoding.h"

namespace {

using dk::appendUtf8;
using dk::Warrior;

class Builder {
 public:
  explicit Builder(FuzzedDataProvider& in)
      : in_(in),
        anyBytes_(in.ConsumeIntegral<std::uint8_t>() >= 240),
        longOnes_(in.ConsumeIntegral<std::uint8_t>() < 16),
        anyLevels_(in.ConsumeIntegral<std::uint8_t>() < 16) {}

  // Whether texts may hold bytes that are not UTF-8 (then only the stability of the file is
  // checked, since such bytes are written as U+FFFD).
  bool anyBytes() const { return anyBytes_; }

  std::string text(std::size_t longest = 1u << 16) {
    std::string s;
    const int pieces = in_.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < pieces && in_.remaining_bytes() > 0; ++i) piece(s, longest);
    return s;
  }

  template <typename T>
  T integer() {
    switch (in_.ConsumeIntegralInRange(0, 3)) {
      case 0:
        return std::numeric_limits<T>::min();
      case 1:
        return std::numeric_limits<T>::max();
      case 2:
        return static_cast<T>(in_.ConsumeIntegralInRange(-2, 2));
      default:
        return in_.ConsumeIntegral<T>();
    }
  }

  bool flag() { return in_.ConsumeBool(); }

  // A priority level: one a bar can hold, or in one input of 16 any 16-bit number, which the
  // save must refuse (were every level of every input free to be any number, nineteen inputs in
  // twenty would be refused, and few files would be read back).
  std::int16_t level() {
    if (anyLevels_ && flag()) return integer<std::int16_t>();
    return static_cast<std::int16_t>(in_.ConsumeIntegral<std::uint8_t>() % 5);
  }

  // How many rows a list gets: usually a few, sometimes right at the file's limit.
  std::size_t rows() {
    if (in_.ConsumeIntegralInRange(0, 31) == 31 && takeLong()) {
      return dk::kMaxListRows + static_cast<std::size_t>(in_.ConsumeIntegralInRange(-1, 1));
    }
    return in_.ConsumeIntegralInRange<std::size_t>(0, 6);
  }

  // A row name: from the input, made unique by its number unless the input says otherwise.
  std::string rowName(std::size_t i) {
    std::string name = text(64);
    if (in_.ConsumeIntegralInRange(0, 7) != 0) name += "#" + std::to_string(i);
    return name;
  }

 private:
  void piece(std::string& s, std::size_t longest) {
    static const char* const kAwkward[] = {" ",
                                           "\t",
                                           ",",
                                           "\"",
                                           "\r",
                                           "\n",
                                           "\r\n",
                                           "True",
                                           "False",
                                           "0",
                                           "-1",
                                           "STOP IS SKILLS",
                                           "STOP ADV",
                                           "STOP WEAP",
                                           "STOP EQPT",
                                           "END REQ",
                                           "END ELE",
                                           "STOP CLAN SKILLS",
                                           "Version 2",
                                           "\xC3\xA9",
                                           "\xC3\x83\xC2\xA9",
                                           "\xEF\xBB\xBF",
                                           "\xE2\x82\xAC"};
    switch (in_.ConsumeIntegralInRange(0, 6)) {
      case 0:
        s += std::string(1, '\0');
        return;
      case 1:
        s += in_.PickValueInArray(kAwkward);
        return;
      case 2: {  // any character, the odd ones included
        char32_t cp = in_.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        appendUtf8(s, cp);
        return;
      }
      case 3: {  // something long: a short run repeated
        std::string run = in_.ConsumeRandomLengthString(8);
        if (!anyBytes_) run = asciiOnly(run);
        if (run.empty()) run = "x";
        // Now and then long enough to cross the limits; an input that has run out picks 0.
        // (a middle value: runs of 0x00 and 0xFF bytes are common in inputs, and pick neither)
        const bool goLong = in_.ConsumeIntegralInRange(0, 15) == 8 && takeLong();
        const std::size_t most = goLong ? longest / run.size() : 16;
        const std::size_t times = in_.ConsumeIntegralInRange<std::size_t>(0, most);
        // Doubled up to its length rather than added run by run: a long one is quick to make.
        const std::size_t from = s.size(), length = times * run.size();
        s.reserve(from + length);
        if (length > 0) s += run;
        while (s.size() - from < length)
          s.append(s, from, std::min(s.size() - from, from + length - s.size()));
        return;
      }
      default: {
        std::string plain = in_.ConsumeRandomLengthString(24);
        s += anyBytes_ ? plain : asciiOnly(plain);
        return;
      }
    }
  }

  // Whether this input may still have its one long value or list at its limit. Only one input
  // in 16 may (its second byte from the end says), and then one such value at most: each costs
  // passes over tens of thousands of bytes or a thousand rows, in the writer and the reader
  // alike, where a common input is done in a tenth of a millisecond, and a second one would
  // check nothing the first does not (the save refuses at the first).
  bool takeLong() { return longOnes_ && !std::exchange(longTaken_, true); }

  static std::string asciiOnly(std::string s) {
    for (char& c : s) c = static_cast<char>(static_cast<unsigned char>(c) & 0x7F);
    return s;
  }

  FuzzedDataProvider& in_;
  bool anyBytes_;
  bool longOnes_;
  bool anyLevels_;
  bool longTaken_ = false;
};

Warrior buildWarrior(Builder& b) {
  Warrior w;
  for (std::string* s : {&w.name,
                         &w.rank,
                         &w.affiliation,
                         &w.homePlanet,
                         &w.vehicleType,
                         &w.cBillsText,
                         &w.equipmentCBillsText,
                         &w.assetWorthText,
                         &w.edge,
                         &w.edgeUsed,
                         &w.apTotal,
                         &w.spTotal,
                         &w.thresholdHead,
                         &w.thresholdTorso,
                         &w.thresholdArm,
                         &w.thresholdLeg,
                         &w.pointsLeft,
                         &w.freeAttributePoints,
                         &w.advantagePoints,
                         &w.mosName1,
                         &w.mosName2,
                         &w.packageName}) {
    *s = b.text();
  }
  for (auto& level : w.priorityLevel) level = b.level();
  for (auto& grant : w.priorityGrant) grant = b.text();
  for (auto& score : w.attributeScore) score = b.text();
  for (auto& c : w.characteristic) c = b.text();
  w.raceModsRemovable = b.flag();
  w.raceModsAddable = b.flag();
  for (auto& row : w.damageBoxes)
    for (auto& box : row) box = b.flag() ? b.integer<std::int16_t>() : 0;
  for (auto& button : w.skillButtons) button = b.flag();
  for (std::size_t i = 0, n = b.rows(); i < n; ++i)
    w.innerSphere().skills.push_back({b.rowName(i), b.text(), b.text()});
  for (std::size_t i = 0, n = b.rows(); i < n; ++i)
    w.clan().skills.push_back({b.rowName(i), b.text(), b.text()});
  for (std::size_t i = 0, n = b.rows(); i < n; ++i)
    w.advantages.push_back({b.rowName(i), b.text()});
  for (std::size_t i = 0, n = b.rows(); i < n; ++i) w.weapons.push_back({b.rowName(i), b.text()});
  for (std::size_t i = 0, n = b.rows(); i < n; ++i) w.equipment.push_back({b.rowName(i), b.text()});
  w.extraEdgeBought = b.integer<std::int16_t>();
  w.reservedFlag = b.flag();
  w.skillsBought = b.flag();
  w.clanPackageTaken = b.flag();
  w.isClan = b.flag();
  w.skillStage = b.integer<std::int16_t>();
  w.mosIndex1 = b.integer<std::int16_t>();
  w.mosIndex2 = b.integer<std::int16_t>();
  w.mosConfirmed = b.integer<std::int16_t>();
  w.packageIndex = b.integer<std::int16_t>();
  w.cBills = b.integer<std::int32_t>();
  w.equipmentCBills = b.integer<std::int32_t>();
  w.assetWorth = b.integer<std::int32_t>();
  for (auto& name : w.requiredSkills)
    if (b.flag()) name = b.text(64);
  for (auto& name : w.electiveSkills)
    if (b.flag()) name = b.text(64);
  for (std::string* s : {&w.age, &w.sex, &w.height, &w.weight, &w.hairColor, &w.eyeColor,
                         &w.nationality, &w.dateOfBirth, &w.placeOfBirth, &w.siblings, &w.spouse}) {
    *s = b.text();
  }
  // The notes as long as any text: no size of notes is refused but that of the whole file, past
  // 16 MiB, which notes of a few MiB (each byte at most three in the file) never reach either.
  w.notes = b.text();
  return w;
}

// --- What the file documents it keeps, written out here independently of the writer.

// Where the next CR, LF or NUL of a text stands from `from` on (its size for none): a long
// value is crossed in whole stretches.
std::size_t nextBreak(const std::string& v, std::size_t from) {
  return std::min(v.find_first_of(std::string_view("\r\n\0", 3), from), v.size());
}

std::string oneLine(const std::string& v) {
  std::string out;
  out.reserve(v.size());
  for (std::size_t i = 0; i < v.size();) {
    const std::size_t stop = nextBreak(v, i);
    out.append(v, i, stop - i);
    if (stop == v.size()) break;
    out += ' ';  // a CR LF makes one space, as any other break does
    i = stop + 1;
    if (v[stop] == '\r' && i < v.size() && v[i] == '\n') ++i;
  }
  return out;
}

std::string trimmed(const std::string& v) {
  const std::string line = oneLine(v);
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

std::string notesKept(const std::string& v) {
  std::string out;
  out.reserve(v.size());
  for (std::size_t i = 0; i < v.size();) {
    const std::size_t stop = nextBreak(v, i);
    out.append(v, i, stop - i);
    if (stop == v.size()) break;
    i = stop + 1;
    if (v[stop] == '\0') {
      out += ' ';
      continue;
    }
    if (v[stop] == '\r' && i < v.size() && v[i] == '\n') ++i;
    out += '\n';
  }
  return out;
}

// The warrior as its file gives it back, with the priority levels apart.
Warrior expectedBack(Warrior e, const std::string& path) {
  for (std::string* s : {&e.name,
                         &e.rank,
                         &e.affiliation,
                         &e.homePlanet,
                         &e.vehicleType,
                         &e.cBillsText,
                         &e.equipmentCBillsText,
                         &e.assetWorthText,
                         &e.edge,
                         &e.edgeUsed,
                         &e.apTotal,
                         &e.spTotal,
                         &e.thresholdHead,
                         &e.thresholdTorso,
                         &e.thresholdArm,
                         &e.thresholdLeg,
                         &e.pointsLeft,
                         &e.freeAttributePoints,
                         &e.advantagePoints,
                         &e.mosName1,
                         &e.mosName2,
                         &e.packageName}) {
    *s = trimmed(*s);
  }
  e.priorityLevel = {};
  for (auto& g : e.priorityGrant) g = trimmed(g);
  for (auto& a : e.attributeScore) a = trimmed(a);
  for (auto& c : e.characteristic) c = trimmed(c);
  for (auto& row : e.damageBoxes)
    for (auto& box : row) box = box != 0 ? 1 : 0;
  // The point buttons always open; the training buttons open as saved.
  e.skillButtons[dk::kAddPtIS] = e.skillButtons[dk::kRemPtIS] = true;
  for (auto* list : {&e.innerSphere().skills, &e.clan().skills})
    for (auto& s : *list) s = {trimmed(s.name), trimmed(s.level), trimmed(s.roll)};
  for (auto& a : e.advantages) a = {trimmed(a.name), trimmed(a.level)};
  for (auto* list : {&e.weapons, &e.equipment})
    for (auto& g : *list) g = {trimmed(g.name), trimmed(g.quantity)};
  for (auto* names : {&e.requiredSkills, &e.electiveSkills}) {
    bool ended = false;
    for (auto& n : *names) {
      n = ended ? "" : trimmed(n);
      if (n.empty()) ended = true;
    }
  }
  for (std::string* s : {&e.age, &e.sex, &e.height, &e.weight, &e.hairColor, &e.eyeColor,
                         &e.nationality, &e.dateOfBirth, &e.placeOfBirth, &e.siblings, &e.spouse}) {
    *s = oneLine(*s);
  }
  e.notes = notesKept(e.notes);
  e.filePath = path;
  return e;
}

// Every field the file carries (the others keep their new-warrior values on both sides).
auto stored(const Warrior& w) {
  return std::tie(
      w.name, w.rank, w.affiliation, w.homePlanet, w.vehicleType, w.cBills, w.equipmentCBills,
      w.assetWorth, w.cBillsText, w.equipmentCBillsText, w.assetWorthText, w.edge, w.edgeUsed,
      w.apTotal, w.spTotal, w.thresholdHead, w.thresholdTorso, w.thresholdArm, w.thresholdLeg,
      w.priorityLevel, w.priorityGrant, w.pointsLeft, w.attributeScore, w.freeAttributePoints,
      w.raceModsRemovable, w.raceModsAddable, w.characteristic, w.damageBoxes,
      w.innerSphere().skills, w.clan().skills, w.skillButtons, w.skillsBought, w.clanPackageTaken,
      w.isClan, w.skillStage, w.mosName1, w.mosName2, w.mosIndex1, w.mosIndex2, w.mosConfirmed,
      w.packageName, w.packageIndex, w.requiredSkills, w.electiveSkills, w.advantagePoints,
      w.advantages, w.extraEdgeBought, w.weapons, w.equipment, w.age, w.sex, w.height, w.weight,
      w.hairColor, w.eyeColor, w.nationality, w.dateOfBirth, w.placeOfBirth, w.siblings, w.spouse,
      w.notes, w.filePath, w.reservedFlag);
}

// Whether these bytes open as exactly the expected warrior.
bool opensAs(const std::string& bytes, const std::string& path, const Warrior& expected,
             const std::array<std::int16_t, dk::kPoolCount>& levels) {
  const dk::ReadOutcome r = dk::parseWarriorFile(bytes, path);
  return r.status == dk::ReadOutcome::Ok && r.opened->levels == levels &&
         stored(r.opened->warrior) == stored(expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Builder builder(in);
  const std::string path = builder.flag() ? "/saves/kai.war" : builder.text(64);
  Warrior warrior = buildWarrior(builder);

  const dk::Result<std::string> file = dk::formatWarriorFileChecked(warrior, path);
  if (!file) {
    if (file.message().empty()) std::abort();
    // A refusal is never needed for a warrior the file could have held as it is.
    if (!builder.anyBytes() && opensAs(dk::formatWarriorFile(warrior, path), path,
                                       expectedBack(warrior, path), warrior.priorityLevel)) {
      std::abort();
    }
    return 0;
  }
  if (file->size() > dk::kMaxWarriorFileBytes) std::abort();

  dk::ReadOutcome back = dk::parseWarriorFile(*file, path);
  if (back.status != dk::ReadOutcome::Ok) std::abort();
  const auto skillButtons = warrior.skillButtons;
  if (!builder.anyBytes()) {
    if (back.opened->levels != warrior.priorityLevel) std::abort();
    if (stored(back.opened->warrior) != stored(expectedBack(std::move(warrior), path)))
      std::abort();
  }

  // Saving what was read gives the same bytes again. Opening enables the two point buttons
  // whatever the file says; put back the states that were saved.
  Warrior reopened = std::move(back.opened->warrior);
  reopened.priorityLevel = back.opened->levels;
  reopened.skillButtons = skillButtons;
  const dk::Result<std::string> again = dk::formatWarriorFileChecked(reopened, path);
  if (!again || *again != *file) std::abort();
  return 0;
}

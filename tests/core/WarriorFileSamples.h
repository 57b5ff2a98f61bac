#pragma once
// Shared by the warrior file tests: the hand-written golden files, the record behind the full
// one, and line-level editing of file bytes.

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "core/files/WarriorFile.h"
#include "core/model/Warrior.h"

namespace dk::test {

inline std::string fixtureBytes(const std::string& name) {
  std::ifstream in(std::string(DRAKKENFOLD_FIXTURES) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The paths on the file-path lines of the golden files.
inline const std::string kNewWarriorPath = "/home/player/warriors/new.war";
inline const std::string kFullWarriorPath = "/home/player/warriors/kai.war";

// The lines of file bytes, without their CR LF; and back.
inline std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < bytes.size();) {
    std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}
inline std::string joinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

// The record behind full_warrior.war: every list filled, two specialities, ticked boxes, three
// lines of notes, a negative amount, a name with a comma and a home planet with "ë".
inline Warrior fullWarrior() {
  Warrior w;
  w.name = "Kai, the Second", w.rank = "Captain", w.affiliation = "Mercenary";
  w.homePlanet = "Zo\u00eb's Reach", w.vehicleType = "Heavy Walker";
  w.cBillsText = "-150", w.equipmentCBillsText = "0", w.assetWorthText = "650";
  w.edge = "2", w.edgeUsed = "1", w.apTotal = "3", w.spTotal = "4";
  w.thresholdHead = "4", w.thresholdTorso = "5", w.thresholdArm = "3", w.thresholdLeg = "4";
  w.priorityLevel = {2, 3, 4, 1, 0};
  w.priorityGrant = {"Human", "30", "16", "3", "Dispossessed"};
  w.pointsLeft = "0";
  w.attributeScore = {"4", "5", "6", "5", "3"};
  w.raceModsRemovable = true, w.raceModsAddable = false;
  w.characteristic = {"11", "10", "9", "12"};
  w.freeAttributePoints = "0";
  w.damageBoxes[0][0] = w.damageBoxes[1][0] = w.damageBoxes[0][1] = w.damageBoxes[2][11] = 1;
  for (int r = 0; r < kDamageRows; ++r) w.damageBoxes[r][7] = 1;
  w.skillButtons = {false, false, true, false, true, true};
  w.innerSphere().skills = {{"Gunnery", "3", "7"}, {"Piloting", "2", "8"}, {"Blade", "1", "9"}};
  w.clan().skills = {{"Survival", "1", "10"}};
  w.advantages = {{"Toughness", "2"}, {"Natural Aptitude (Gunnery)", "3"}};
  w.weapons = {{"Laser Pistol", "2"}, {"Knife", "1"}};
  w.equipment = {{"Flak Vest", "1"}, {"Medkit", "3"}};
  w.extraEdgeBought = 1, w.reservedFlag = true, w.skillsBought = true, w.skillStage = 3;
  w.mosName1 = "Pilot", w.mosIndex1 = 4, w.mosName2 = "Scout", w.mosIndex2 = 12;
  w.mosConfirmed = 1, w.packageName = "Basic Academy Package";
  w.cBills = -150, w.equipmentCBills = 0, w.assetWorth = 650;
  w.requiredSkills[0] = "Gunnery", w.requiredSkills[1] = "Piloting";
  w.electiveSkills[0] = "Blade", w.electiveSkills[1] = "Medtech",
  w.electiveSkills[2] = "Leadership";
  w.age = "27", w.sex = "Female", w.height = "182 cm", w.weight = "70 kg", w.hairColor = "Black";
  w.eyeColor = "Grey", w.nationality = "Drakkenfold", w.dateOfBirth = "1 April 3025";
  w.placeOfBirth = "Kestrel Prime", w.siblings = "2";
  w.notes =
      "Served two tours on the rim.\nOwes \"Red\" Tomas 300 C-Bills, and knows it.\nTrusts nobody.";
  return w;
}

// What a save of an opened warrior writes, with its levels put back as the window would and the
// given skill-button states (opening opens all six): equal bytes mean every field came back.
inline std::string resaved(const OpenedWarrior& opened, const std::string& path,
                           const std::array<bool, kSkillButtonCount>& buttons) {
  Warrior w = opened.warrior;
  w.priorityLevel = opened.levels;
  w.skillButtons = buttons;
  return formatWarriorFile(w, path);
}

}  // namespace dk::test

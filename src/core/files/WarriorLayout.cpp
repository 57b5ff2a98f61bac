#include "core/files/WarriorLayout.h"

#include <algorithm>
#include <array>

namespace dk {

const char* const kPoolNames[kPoolCount] = {"race", "attributes", "skills", "advantages",
                                            "BattleMech"};

namespace {

using K = LineKind;
using W = Warrior;

constexpr LayoutLine text(std::string W::*field, const char* caption) {
  return {K::Text, caption, field};
}
constexpr LayoutLine asIs(std::string W::*field, const char* caption) {
  return {K::AsIs, caption, field};
}
constexpr LayoutLine indexed(LineKind kind, int index, const char* caption) {
  return {kind, caption, nullptr, nullptr, nullptr, nullptr, index};
}
constexpr LayoutLine int16(std::int16_t W::*field, const char* caption) {
  return {K::Int16, caption, nullptr, field};
}
constexpr LayoutLine int32(std::int32_t W::*field, const char* caption) {
  return {K::Int32, caption, nullptr, nullptr, field};
}
constexpr LayoutLine flag(bool W::*field, const char* caption) {
  return {K::Flag, caption, nullptr, nullptr, nullptr, field};
}
constexpr LayoutLine list(LineKind kind) { return {kind, nullptr}; }

constexpr std::array kLayout{
    text(&W::name, "the name"),
    text(&W::rank, "the rank"),
    text(&W::affiliation, "the affiliation"),
    text(&W::homePlanet, "the home planet"),
    text(&W::vehicleType, "the Mech/Vehicle type"),
    text(&W::cBillsText, "the C-Bills"),
    text(&W::equipmentCBillsText, "the equipment C-Bills"),
    text(&W::assetWorthText, "the asset worth"),
    text(&W::edge, "the edge"),
    text(&W::edgeUsed, "the edge used"),
    text(&W::apTotal, "the AP total"),
    text(&W::spTotal, "the SP total"),
    text(&W::thresholdHead, "the head damage threshold"),
    text(&W::thresholdTorso, "the torso damage threshold"),
    text(&W::thresholdArm, "the arm damage threshold"),
    text(&W::thresholdLeg, "the leg damage threshold"),
    indexed(K::Level, kRace, "the race priority level"),
    indexed(K::Level, kAttributes, "the attributes priority level"),
    indexed(K::Level, kSkills, "the skills priority level"),
    indexed(K::Level, kAdvantages, "the advantages priority level"),
    indexed(K::Level, kBattleMech, "the BattleMech priority level"),
    indexed(K::Grant, kRace, "what the race priority grants"),
    indexed(K::Grant, kAttributes, "what the attributes priority grants"),
    indexed(K::Grant, kSkills, "what the skills priority grants"),
    indexed(K::Grant, kAdvantages, "what the advantages priority grants"),
    indexed(K::Grant, kBattleMech, "what the BattleMech priority grants"),
    text(&W::pointsLeft, "the priority points left"),
    indexed(K::Score, kBLD, "the Build score"),
    indexed(K::Score, kREF, "the Reflexes score"),
    indexed(K::Score, kINT, "the Intuition score"),
    // Two lines hold the Intuition score; the second one is the one kept.
    indexed(K::Score, kINT, "the Intuition score again"),
    indexed(K::Score, kLRN, "the Learn score"),
    indexed(K::Score, kCHA, "the Charisma score"),
    flag(&W::raceModsRemovable, "whether race mods can be deleted"),
    flag(&W::raceModsAddable, "whether race mods can be added"),
    indexed(K::Characteristic, kAthletic, "the Athletic characteristic"),
    indexed(K::Characteristic, kPhysical, "the Physical characteristic"),
    indexed(K::Characteristic, kMental, "the Mental characteristic"),
    indexed(K::Characteristic, kSocial, "the Social characteristic"),
    text(&W::freeAttributePoints, "the free attribute points"),
    indexed(K::DamageColumn, 0, nullptr),
    indexed(K::DamageColumn, 1, nullptr),
    indexed(K::DamageColumn, 2, nullptr),
    indexed(K::DamageColumn, 3, nullptr),
    indexed(K::DamageColumn, 4, nullptr),
    indexed(K::DamageColumn, 5, nullptr),
    indexed(K::DamageColumn, 6, nullptr),
    indexed(K::DamageColumn, 7, nullptr),
    indexed(K::DamageColumn, 8, nullptr),
    indexed(K::DamageColumn, 9, nullptr),
    indexed(K::DamageColumn, 10, nullptr),
    indexed(K::DamageColumn, 11, nullptr),
    indexed(K::DamageColumn, 12, nullptr),
    indexed(K::DamageColumn, 13, nullptr),
    indexed(K::DamageColumn, 14, nullptr),
    indexed(K::DamageColumn, 15, nullptr),
    indexed(K::SkillButton, kAddPtIS, "whether the \"Add Pt\" button is enabled"),
    indexed(K::SkillButton, kPickMOSFOS, "whether the \"Pick MOS\" button is enabled"),
    indexed(K::SkillButton, kAddPackage, "whether the \"Add Package\" button is enabled"),
    indexed(K::SkillButton, kRemPtIS, "whether the \"Rem Pt\" button is enabled"),
    indexed(K::SkillButton, kChangeMOS, "whether the \"Delete MOS\" button is enabled"),
    indexed(K::SkillButton, kDelPackage, "whether the \"Del Package\" button is enabled"),
    list(K::SkillsIS),
    list(K::SkillsClan),
    text(&W::advantagePoints, "the available advantage points"),
    list(K::Advantages),
    list(K::Weapons),
    list(K::Equipment),
    LayoutLine{K::FilePath, "the path the file was saved to"},
    int16(&W::extraEdgeBought, "the number of Extra Edge bought"),
    LayoutLine{K::Slot, "the slot flag"},
    flag(&W::reservedFlag, "the reserved flag"),
    flag(&W::skillsBought, "whether skills were bought"),
    flag(&W::clanPackageTaken, "whether a clan package was taken"),
    flag(&W::isClan, "whether the warrior is of a clan"),
    int16(&W::skillStage, "the skill stage"),
    text(&W::mosName1, "the first MOS/FOS name"),
    int16(&W::mosIndex1, "the row of the first MOS/FOS"),
    text(&W::mosName2, "the second MOS/FOS name"),
    int16(&W::mosIndex2, "the row of the second MOS/FOS"),
    int16(&W::mosConfirmed, "the MOS/FOS confirmation"),
    text(&W::packageName, "the package type"),
    int16(&W::packageIndex, "the row of the skill package"),
    int32(&W::cBills, "the C-Bills amount"),
    int32(&W::equipmentCBills, "the equipment C-Bills amount"),
    int32(&W::assetWorth, "the asset worth amount"),
    list(K::RequiredSkills),
    list(K::ElectiveSkills),
    LayoutLine{K::Empty, "the reserved empty line"},
    asIs(&W::age, "the age"),
    asIs(&W::sex, "the sex"),
    asIs(&W::height, "the height"),
    asIs(&W::weight, "the weight"),
    asIs(&W::hairColor, "the hair color"),
    asIs(&W::eyeColor, "the eye color"),
    asIs(&W::nationality, "the nationality"),
    asIs(&W::dateOfBirth, "the date of birth"),
    asIs(&W::placeOfBirth, "the place of birth"),
    asIs(&W::siblings, "the number of siblings"),
    asIs(&W::spouse, "the husband or wife"),
};

}  // namespace

std::span<const LayoutLine> warriorLayout() { return kLayout; }

ListMarkers listMarkers(LineKind list) {
  switch (list) {
    case K::SkillsIS:
      return {"START IS SKILLS", "STOP IS SKILLS", "Inner Sphere skill"};
    case K::SkillsClan:
      return {"START CLAN SKILLS", "STOP CLAN SKILLS", "clan skill"};
    case K::Advantages:
      return {"START ADV", "STOP ADV", "advantage"};
    case K::Weapons:
      return {"START WEAP", "STOP WEAP", "weapon"};
    case K::Equipment:
      return {"START EQPT", "STOP EQPT", "equipment"};
    case K::RequiredSkills:
      return {"START REQ", "END REQ", "required"};
    case K::ElectiveSkills:
      return {"START ELE", "END ELE", "elective"};
    default:
      return {"", "", ""};
  }
}

std::string fieldCaption(std::string Warrior::*field) {
  if (field == &Warrior::notes) return "the notes";
  for (const LayoutLine& line : kLayout)
    if ((line.kind == K::Text || line.kind == K::AsIs) && line.text == field) return line.caption;
  return {};
}

bool readAsItStands(std::string Warrior::*field) {
  if (field == &Warrior::notes) return true;
  return std::any_of(kLayout.begin(), kLayout.end(), [field](const LayoutLine& line) {
    return line.kind == K::AsIs && line.text == field;
  });
}

}  // namespace dk

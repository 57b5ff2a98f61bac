#pragma once
// Buying and removing skill levels in the two skill areas of a warrior window ("Inner Sphere
// Skills" and "Clan Skills"), the catalogue lists of the window and the events of the four
// skill lists. Each area has its own catalogue list, owned list and point pool.
//
// Cost: a new skill costs 1 point at level 1; raising level L to L + 1 costs L + 1; removing a
// level from L refunds L. A level that the area's training handed out was paid with the
// training's price: taking it off refunds nothing and putting it back costs nothing. The rolls of
// the owned skills are in character/SkillRolls.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/SkillCatalogue.h"
#include "core/character/SkillRolls.h"
#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"

namespace dk {

// How Inner Sphere skills are being bought (skillStage).
inline constexpr std::int16_t kSkillStageNone = 0;
inline constexpr std::int16_t kSkillStageFree = 1;
inline constexpr std::int16_t kSkillStagePackageDialog = 2;
inline constexpr std::int16_t kSkillStagePickingMos = 3;
inline constexpr std::int16_t kSkillStagePackageApplied = 4;

inline constexpr char kSelectSkillToAdd[] =
    "You must select the skill you wish to add in order to do this.";
inline constexpr char kNotEnoughSkillPoints[] = "You don't have enough points!";
inline constexpr char kSelectSkillToRemove[] = "You must select a skill in order to do this!";
inline constexpr char kSkillNotOwnedError[] =
    "Error - Skill doesn't exits.  Please report this problem to the author.";

// The levels of a skill that the area's training handed out (0 for none).
std::int16_t trainedLevels(const SkillTraining& training, const std::string& name);
// What level `level` of a skill costs when bought, and refunds when taken off: its number, or
// nothing for a level the training handed out.
std::int64_t levelPrice(const SkillTraining& training, const std::string& name, std::int64_t level);
// Forgets the area's training: no price, no trained levels.
void forgetTraining(Warrior& w, SkillArea area);
// The same for the Inner Sphere area, with what names its training in the record: the
// specialities and the package row.
void forgetInnerSphereTraining(Warrior& w);

// The owned row of that exact name, or nullptr.
SkillEntry* findOwnedSkill(std::vector<SkillEntry>& skills, const std::string& name);
const SkillEntry* findOwnedSkill(const std::vector<SkillEntry>& skills, const std::string& name);

// The levels of a list bought above what the training handed out, each at its number.
std::int64_t boughtSkillPoints(const std::vector<SkillEntry>& skills,
                               const SkillTraining& training);
// The sum of L(L+1)/2 over the skills of a list: buying level L of a skill costs L points.
std::int64_t skillPointsSpent(const std::vector<SkillEntry>& skills);

// --- Point pools. The points of a pool are its entries; charging refills it with
// (entries - cost) entries of 1, a refund appends one entry of 1 per point. A pool never holds
// more than 32767 entries.
inline constexpr std::size_t kMaxPoolEntries = 32767;
void chargeSkillPoints(std::vector<std::int16_t>& pool, std::int64_t cost);
void refundSkillPoints(std::vector<std::int16_t>& pool, std::int64_t points);
// Empties the Inner Sphere owned list and gives its pool one point per skills priority point,
// as after Delete MOS or Del Package.
void restartInnerSphereSkills(Warrior& w);
// The sum of a pool's entries (the clan packages count the pool this way).
std::int64_t skillPoolTotal(const std::vector<std::int16_t>& pool);

// --- Resetting an area
// Empties the owned skills of the active area and forgets its training (a clan package among
// it), opens its "Add Package", closes its "Del Package" and clears skillsBought.
void resetActiveSkillArea(Warrior& w);
void resetSkillArea(Warrior& w, SkillArea area);

// The skill points the skills priority grants, as a number (never below 0).
std::int16_t skillPointsGranted(const Warrior& w);

// --- The catalogue of a window (loadskills): reads the skills file of the data folder, rewrites
// the shared table
// and both catalogue lists of the window. A damaged or missing file is reported once through the
// prompter (when report is true); the window's lists are then empty and the shared table keeps
// what an earlier sound read left. Called when a warrior window is created, and to make the
// Inner Sphere list whole again after speciality picking (while picking, the choice list stays).
// True when the file was sound.
bool loadSkills(RuleContext& ctx, bool report = true);
// Fills an area's catalogue list from a catalogue table and forgets its selection.
void showSkillCatalogue(Warrior& w, SkillArea area, const SkillCatalogue& catalogue);

// --- The purchase operations the areas and the packages build on
// Adds levels to an owned skill, or appends it at that level, and computes the row's roll. A
// purchase charges the pool the price of the new level (1 for a new skill); a level choice
// handed out while a speciality is picked charges nothing and joins the area's training.
enum class Charge { Pool, Trained };
void addSkill(RuleContext& ctx, const std::string& name, int levels, SkillArea area,
              Charge charge = Charge::Pool);
// Takes one level off an owned skill, refunding that level's price; the row goes at level 0. A
// name that is not owned gives the internal-error box. Recomputes every roll.
void removeSkill(RuleContext& ctx, const std::string& name, SkillArea area);

// --- Commands of the areas
// "Add Pt -->": one level of the selected catalogue skill. In the Inner Sphere area only during
// free purchase (stages 0, 1 and 4).
void addSkillPoint(RuleContext& ctx, SkillArea area);
// "<-- Rem Pt": one level off the selected owned skill; an empty owned list opens the area's
// package choices again.
void removeSkillPoint(RuleContext& ctx, SkillArea area);

// --- List events
void clickSkillList(Warrior& w, SkillArea area, const std::string& name);
void clickOwnedSkill(Warrior& w, SkillArea area, const std::string& name);
// A double click on a row of the Inner Sphere catalogue buys a level, one on the Inner Sphere
// owned list removes one (after the click has selected the row); the clan lists only select.
void doubleClickSkillList(RuleContext& ctx, SkillArea area, const std::string& name);
void doubleClickOwnedSkill(RuleContext& ctx, SkillArea area, const std::string& name);
// A click on the Inner Sphere pool forgets the Inner Sphere catalogue selection.
void clickSkillPool(Warrior& w, SkillArea area);
// A click on a column heading of the clan owned list sorts it by that column (0 = "Skill").
void clickClanSkillsHeading(Warrior& w, int column);

// --- "Which Skill?": the names of the shared catalogue in file order, one to choose. nullopt
// when the dialog was closed without a choice.
std::optional<std::string> askWhichSkill(RuleContext& ctx);

}  // namespace dk

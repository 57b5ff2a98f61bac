#pragma once
// Training through occupational specialities in the Inner Sphere skill area: "Pick MOS" takes
// one or two specialities and a package type; the level choices of that type then go to the
// required skills, then to the electives, and what is left becomes free points. "Delete MOS"
// starts the area over.
//
// While picking (skillStage 3) the Inner Sphere catalogue list is the choice list and the pool
// holds the level choices; the player clicks a level first and a skill second.

#include <array>
#include <string>

#include "core/context/RuleContext.h"

namespace dk {

inline constexpr char kSelectLevelChoice[] =
    "You must select the skill number in order to do this.";
inline constexpr char kSelectChoiceSkill[] = "You must select the skill in order to do this.";
inline constexpr char kDeleteMOSQuestion[] =
    "Are you sure you wish to delete the current MOS?  All of your current skills will be "
    "erased.";
inline constexpr char kPickingAdditionalSkills[] = "Picking any additional skills";

// Offered in every required phase, and in every elective phase after the specialities' own.
inline constexpr std::array<const char*, 2> kCommonRequiredSkills{"Medtech", "Small Arms"};
inline constexpr std::array<const char*, 6> kCommonElectives{
    "Bureaucracy", "Blade", "Leadership", "Support Weapons", "Survival", "Unarmed Combat"};

// "Pick MOS": reads the speciality file, opens "Pick Skill Packages" and, once the whole choice
// is made, starts the required phase. A cancelled choice leaves the warrior as it was.
void pickMOS(RuleContext& ctx);

// "Add Pt -->" of the Inner Sphere area: hands out the selected level choice while picking,
// otherwise buys one level (free purchase).
void addSkillPointIS(RuleContext& ctx);

// "<-- Rem Pt" of the Inner Sphere area; a list emptied while the choices are given ends the
// picking (the choices not given go) and starts the area over.
void removeSkillPointIS(RuleContext& ctx);

// A double click on a row of the Inner Sphere catalogue: selects it, then "Add Pt -->".
void doubleClickSkillListIS(RuleContext& ctx, const std::string& name);

// A click on an entry of the Inner Sphere pool (row from 0): remembers the level choice and
// forgets the catalogue selection.
void clickSkillPoolIS(Warrior& w, int row);

// "Delete MOS": after a Yes, every Inner Sphere skill goes and the area starts over.
void removeMOS(RuleContext& ctx);

// Whether a speciality is taken: from "Pick MOS" confirmed until "Delete MOS".
bool specialityTaken(const Warrior& w);

// What "Delete MOS" does after its Yes, but the reread of the catalogue list: the speciality,
// any package and every Inner Sphere skill go, and the pool holds the whole skills grant.
void takeBackSpeciality(Warrior& w);

// The status line of the skills tab, from the training's phase: the required or the elective
// phase of a speciality, the free points after it ("Picking any additional skills"), or nothing.
std::string trainingPhaseText(const Warrior& w);

// A warrior read from a file, its Inner Sphere training where it stood when saved. A picking goes
// on: the file keeps the specialities' lists and the skills given, from which the names still to
// be picked and the level choices not yet given follow (the phase from which names are left). A
// file that cannot have been saved while picking goes on in free purchase, as
// settleOpenedSkillStage.
void resumeOpenedTraining(RuleContext& ctx);

// A warrior read from a file in the middle of a picking that cannot go on: the skills handed out
// stay, the area goes on in free purchase ("Delete MOS" starts over), and a stage left by an open
// package dialog goes back to the start.
void settleOpenedSkillStage(Warrior& w);

}  // namespace dk

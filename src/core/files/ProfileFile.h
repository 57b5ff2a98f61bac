#pragma once
// Reading a profile of the forge, "<name>.profile": one setting a line, its keyword first.
//
//     Profile,Scout              the name the dialog and --profile know it by (once)
//     Race,Human,6               how strongly a race is preferred (Human, Clan Drakkenfold,
//                                Clan Pilot, Clan Elemental; only Human without Race lines)
//     Priority,Skills,4          the four priorities but the race's
//     Attribute,REF,3            BLD, REF, INT, LRN, CHA
//     Training,Speciality,3      None, Speciality, Package (the Inner Sphere), Clan (a clan)
//     Speciality,Scout,5         a speciality, a package, a skill or its group, an advantage, a
//     Package,*,1                gear category, "*" for those not named (1 unless given)
//     Skill,Gunnery,4
//     Advantage,Sixth Sense,3
//     Gear,Rifles,4
//     Rank,Corporal,3            the ranks to choose from
//     Transfer,50                the chance in 100 that the equipment C-Bills are transferred
//
// Weights are whole numbers from 0 to 1000. A line that begins with "#" is a remark; empty lines
// are passed over.

#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/ForgeCatalogue.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kProfileExtension[] = ".profile";

// Whether a bare file name is that of a profile ("scout.profile").
bool isProfileFileName(std::string_view name);

// The profile held in the items of a profile file, or the fault at its line (0: the file as a
// whole) in the message, and in `fault` when given.
Result<Profile> parseProfile(const std::vector<DataItem>& items, DataFault* fault = nullptr);

}  // namespace dk

#pragma once
// Ready-made skill packages of the Inner Sphere area: "Add Package" sells one for its cost in
// skill points, "Del Package" throws every Inner Sphere skill away and gives the points back.

#include <string>

#include "core/context/RuleContext.h"

namespace dk {

inline constexpr char kDeletePackageQuestion[] =
    "Are you sure you wish to delete the current package?  All of your current skills will be "
    "erased.";

// "Add Package": reads the package file and opens "Pick Package" for the points the warrior
// has unspent. A package taken replaces the Inner Sphere skills; a cancelled dialog leaves the
// area exactly as it was.
void addPackage(RuleContext& ctx);

// "Del Package": after a Yes, the area starts over with the whole skills pool.
void removePackage(RuleContext& ctx);

// Whether an Inner Sphere package is taken: from "Add Package" until "Del Package".
bool packageTaken(const Warrior& w);

// What "Del Package" does after its Yes.
void takeBackPackage(Warrior& w);

}  // namespace dk

#pragma once
// The gamemaster's forge: a legal warrior made at random. It is built as a player builds one,
// through the commands a window's controls run (priorities, attributes, race modifiers, skills
// and their training, advantages, the money transfer, weapons and equipment, the home planet),
// choosing among the moves the rules allow as the profile weights them, so every rule, limit and
// refusal applies. It spends what it is given until no purchase the rules allow is left.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Commands.h"
#include "core/catalogue/ForgeCatalogue.h"
#include "core/catalogue/GearCatalogue.h"
#include "core/context/RuleContext.h"

namespace dk {

inline constexpr char kRandomWarriorStep[] = "Random Warrior";
inline constexpr char kAnyRace[] = "Any";
inline constexpr char kSeedNotAWholeNumber[] =
    "The seed must be a whole number from 0 to 18446744073709551615.";
inline constexpr char kChooseAProfile[] = "Please choose a profile.";
inline constexpr char kChooseARace[] = "Please choose a race, or \"Any\".";

struct ForgeRequest {
  Profile profile;
  int race = -1;  // into kForgeRaces; -1 for any, as the profile weights them
  std::uint64_t seed = 0;
};

// What the warrior's notes keep so the gamemaster can make it again: "Random warrior, profile
// Scout, seed 4711" (and the race where one was chosen: ", race Clan Pilot").
std::string forgeNote(const ForgeRequest& request);

// The race of a name as the dialog offers it: an index into kForgeRaces, -1 for "Any", nullopt
// for a name that is neither.
std::optional<int> forgeRaceNamed(const std::string& name);

// A seed as typed: a whole number from 0 to 18446744073709551615 (blanks around it allowed).
std::optional<std::uint64_t> parseSeed(std::string_view text);
// A seed nobody chose: from the system's source of chance.
std::uint64_t freshSeed();

// "OK" of "New Random Warrior": the request for the profile, race and seed given, or nullopt once
// the mistake has been told (the dialog stays open).
std::optional<ForgeRequest> confirmForgeChoice(const std::vector<Profile>& profiles,
                                               const std::string& profile, const std::string& race,
                                               const std::string& seed, Prompter& prompter);

// The name the warrior of a seed gets, "<given> <family>": drawn apart from everything else, so a
// batch knows every warrior's name before it makes one.
std::string forgeName(std::uint64_t seed, const NameLists& names);

// Builds the warrior of ctx (a new warrior with its window's catalogues, under a priority maximum
// of 10) through the commands, answering the rules' questions itself; ctx's own prompter is told
// nothing. The same request, names and catalogues give the same warrior.
void forgeWarrior(RuleContext& ctx, const ForgeRequest& request, const NameLists& names,
                  const GearCatalogue& weapons, const GearCatalogue& equipment);

// The same as one command of a new window: one undo step, "Random Warrior", takes it all back.
Command forgeCommand(ForgeRequest request, NameLists names, const GearCatalogue& weapons,
                     const GearCatalogue& equipment);

}  // namespace dk

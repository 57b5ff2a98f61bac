#pragma once
// The home planet, chosen from the planet list ("<" beside the home planet).

#include <optional>
#include <string>

#include "core/context/RuleContext.h"

namespace dk {

inline constexpr const char* kSelectPlanetFirst = "Please select a planet first";

// "Ok" of the planet list: the selected name, or the message when nothing is selected.
std::optional<std::string> confirmPlanet(const std::optional<std::string>& selected,
                                         Prompter& prompter);

// "<" beside the home planet: reads the planet file, and the planet chosen in the list becomes
// the home planet; a list closed without a choice leaves it as it was.
void choosePlanet(RuleContext& ctx);

}  // namespace dk

#pragma once
#include <string>
#include <vector>

namespace dk {

// The factions the affiliation drop-down offers, in the order shown (not sorted).
const std::vector<std::string>& affiliationChoices();

// The choices of the sex drop-down.
const std::vector<std::string>& sexChoices();

}  // namespace dk

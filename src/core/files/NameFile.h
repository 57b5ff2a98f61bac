#pragma once
// Reading the names the forge gives its warriors, "names.dat": "Start Given" and the given names,
// one a line, then "Start Family" and the family names (either part may come first, and a file
// of one's own may hold only one of them). Empty lines are passed over.

#include <vector>

#include "core/catalogue/ForgeCatalogue.h"
#include "core/files/DataItems.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kNamesFileName[] = "names.dat";
inline constexpr char kGivenNamesStart[] = "Start Given";
inline constexpr char kFamilyNamesStart[] = "Start Family";

// The two lists of the items of a names file, or the fault at its line in the message, and in
// `fault` when given: a name before either "Start", another "Start", a line of more than one
// item, a name twice in its list, more than 5000 names in a list, no name at all.
Result<NameLists> parseNameLists(const std::vector<DataItem>& items, DataFault* fault = nullptr);

}  // namespace dk

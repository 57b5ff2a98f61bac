#pragma once
// Records of the training files ("ismosfos.dat", "ispack.dat") begin with an item whose first
// five characters are "Start"; one separator character follows, and the record's name is the
// rest of the item.

#include <string>
#include <string_view>

namespace dk {

inline bool beginsRecord(std::string_view item) { return item.substr(0, 5) == "Start"; }

inline std::string recordName(std::string_view item) {
  return item.size() > 6 ? std::string(item.substr(6)) : std::string();
}

}  // namespace dk

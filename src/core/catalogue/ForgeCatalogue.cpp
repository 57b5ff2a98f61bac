#include "core/catalogue/ForgeCatalogue.h"

namespace dk {

int forgeWeight(const std::vector<ForgeWeight>& list, std::string_view name) {
  const ForgeWeight* group = nullptr;
  const ForgeWeight* other = nullptr;
  for (const ForgeWeight& w : list) {
    if (w.name == name) return w.weight;
    // The longest group that holds the name wins: "Gunnery/Battle" over "Gunnery".
    const bool holds = name.size() > w.name.size() && name.compare(0, w.name.size(), w.name) == 0 &&
                       name[w.name.size()] == '/';
    if (holds && (!group || w.name.size() > group->name.size())) group = &w;
    if (w.name == kAnyOther) other = &w;
  }
  if (group) return group->weight;
  return other ? other->weight : 1;
}

}  // namespace dk

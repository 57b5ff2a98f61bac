#include "core/app/Roster.h"

#include "core/util/Numeric.h"

namespace dk {

RosterRow rosterRow(const Warrior& w, bool saved, const CheckCatalogues& catalogues) {
  const std::vector<Finding> findings = checkWarrior(w, catalogues);
  std::size_t breaches = 0;
  for (const Finding& f : findings) breaches += f.breach ? 1 : 0;
  const std::string check =
      breaches == 0 ? "legal"
                    : countText(static_cast<std::int64_t>(breaches), "breach", "breaches");
  const auto pool = static_cast<std::int64_t>(w.area(activeSkillArea(w)).pool.size());
  return {{warriorCaption(w), w.rank, w.priorityGrant[kRace], w.freeAttributePoints, toText(pool),
           w.advantagePoints, w.cBillsText, w.assetWorthText, saved ? "Saved" : "Unsaved", check},
          checkReport(findings)};
}

}  // namespace dk

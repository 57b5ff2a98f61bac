#pragma once
// Check Warrior: every way a warrior breaks the budget, each with its numbers, for a gamemaster
// who receives warriors from the players. It reads what a warrior file holds (the stored texts
// and numbers), so a warrior checks the same in its window and as a file. A warrior made only
// through the program's commands never breaks a rule; what the gamemaster's own commands can
// explain (Modify C-Bills, Modify Priority Points) is told as a question, not as a breach.

#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/GearCatalogue.h"
#include "core/catalogue/SkillPackage.h"
#include "core/files/CatalogueFiles.h"
#include "core/model/Warrior.h"
#include "core/util/Result.h"

namespace dk {

inline constexpr char kWarriorKeepsEveryRule[] = "This warrior keeps every rule.";
inline constexpr char kSetByTheGamemaster[] = " (set by the gamemaster?)";

struct Finding {
  std::string area;  // "priorities", "attributes", "skills", "advantages", "money"
  std::string text;
  bool breach = true;  // false: the gamemaster's commands may explain it, or it cannot be told
  bool operator==(const Finding&) const = default;
};

// What the check compares with: the package rows (for an Inner Sphere package) and the gear
// catalogues (for the worth of what the warrior owns); a missing catalogue leaves its part
// unchecked.
struct CheckCatalogues {
  std::vector<SkillPackage> packages;
  std::shared_ptr<const GearCatalogue> weapons;
  std::shared_ptr<const GearCatalogue> equipment;
};

// The catalogues as a warrior window reads them (the shipped files with the table's own laid
// over them); a file that cannot be read leaves its part unchecked.
CheckCatalogues readCheckCatalogues(const CatalogueFolders& folders);

// The warrior as a file gives it, its priority levels set.
std::vector<Finding> checkWarrior(const Warrior& w, const CheckCatalogues& catalogues);

// Whether the findings leave the warrior legal: none of them is a breach.
bool keepsEveryRule(const std::vector<Finding>& findings);

// The box of "Check Warrior": "This warrior keeps every rule." when nothing breaks one (the
// questions after it), else one line per finding as "area: finding".
std::string checkReport(const std::vector<Finding>& findings);

// `drakkenfold --check FILE...` for one file, named as given: "FILE: legal" (and the questions
// after it as "FILE: area: finding"), or one such line per finding. A file that cannot be read
// gives no lines and the reason.
// A file that does not open gives the message Open would show.
struct FileCheck {
  bool legal = false;
  std::vector<std::string> lines;
};
Result<FileCheck> checkWarriorFile(const std::string& path, const std::string& shownName,
                                   const CheckCatalogues& catalogues);

}  // namespace dk

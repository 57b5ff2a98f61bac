#include "core/app/WindowLoad.h"

#include <memory>

#include "core/files/GearFiles.h"
#include "core/skills/SkillAreas.h"

namespace dk {

void loadGearCatalogues(SharedState& shared, Prompter& prompter) {
  const auto load = [&](GearKind kind, std::shared_ptr<const GearCatalogue>& table) {
    GearFileRead read = readGearFile(kind, shared.dataFile(gearFileName(kind)));
    for (const std::string& problem : read.problems)
      prompter.showMessage(problem, MessageIcon::Information);
    if (table && *table == read.catalogue) return;
    table = std::make_shared<const GearCatalogue>(std::move(read.catalogue));
  };
  load(GearKind::Weapons, shared.weaponCatalogue);
  load(GearKind::Equipment, shared.equipmentCatalogue);
}

void loadWindowCatalogues(RuleContext& ctx) {
  loadSkills(ctx);
  loadGearCatalogues(ctx.shared, ctx.prompter);
}

}  // namespace dk

#include "core/app/WindowLoad.h"

#include <memory>

#include "core/files/GearFiles.h"
#include "core/skills/SkillAreas.h"

namespace dk {

void loadGearCatalogues(SharedState& shared, Prompter& prompter) {
  const auto load = [&](GearKind kind, std::shared_ptr<const GearCatalogue>& table) {
    auto read = readGearFile(kind, shared.catalogueFolders());
    if (!read.message().empty()) prompter.showMessage(read.message(), MessageIcon::Information);
    GearCatalogue catalogue = std::move(read).valueOr({});
    if (table && *table == catalogue) return;
    table = std::make_shared<const GearCatalogue>(std::move(catalogue));
  };
  load(GearKind::Weapons, shared.weaponCatalogue);
  load(GearKind::Equipment, shared.equipmentCatalogue);
}

void loadWindowCatalogues(RuleContext& ctx) {
  loadSkills(ctx);
  loadGearCatalogues(ctx.shared, ctx.prompter);
}

}  // namespace dk

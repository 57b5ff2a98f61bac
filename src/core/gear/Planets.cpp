#include "core/gear/Planets.h"

#include "core/files/PlanetFile.h"

namespace dk {

std::optional<std::string> confirmPlanet(const std::optional<std::string>& selected,
                                         Prompter& prompter) {
  if (!selected) prompter.showMessage(kSelectPlanetFirst, MessageIcon::Information);
  return selected;
}

void choosePlanet(RuleContext& ctx) {
  // The planet file is read afresh each time the list opens.
  const PlanetList planets = readPlanetList(ctx.shared.catalogueFolders());
  if (!planets.message().empty())
    ctx.prompter.showMessage(planets.message(), MessageIcon::Information);
  if (auto planet = ctx.prompter.pickPlanet(planets.valueOr({})))
    ctx.warrior.homePlanet = std::move(*planet);
}

}  // namespace dk

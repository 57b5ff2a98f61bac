// The frame's "New Random Warrior...": the forge's warrior, made as the dialog asks, in a new
// window of its own.
#include "core/files/CatalogueFiles.h"
#include "core/forge/Forge.h"
#include "ui/MainFrame.h"
#include "ui/WarriorWindow.h"
#include "ui/dialogs/RandomWarriorDialog.h"

namespace dk::ui {

WarriorWindow* MainFrame::newRandomWarrior(QWidget* dialogParent) {
  // The profiles and names as they are now: an edit of one's own needs no restart.
  const auto profiles = readProfiles(app_.catalogueFolders());
  const auto names = readNameLists(app_.catalogueFolders());
  if (!profiles->empty() && !profiles.message().empty())
    prompter_.showMessage(profiles.message(), MessageIcon::Information);
  if (profiles->empty() || !names) {
    const std::string why =
        profiles->empty()
            ? "no profile can be read" +
                  (profiles.message().empty() ? std::string() : " (" + profiles.message() + ")")
            : names.message();
    prompter_.showMessage("No random warrior can be made: " + why + ".", MessageIcon::Information);
    return nullptr;
  }
  const auto request = showRandomDialog(*profiles, prompter_, dialogParent ? dialogParent : this);
  if (!request) return nullptr;
  WarriorWindow* window = newWarrior();
  if (!window) return nullptr;
  const WarriorDocument& document = window->document();
  window->run(forgeCommand(*request, *names, document.catalogue(GearKind::Weapons),
                           document.catalogue(GearKind::Equipment)));
  return window;
}

}  // namespace dk::ui

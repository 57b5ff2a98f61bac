#pragma once
// "New Random Warrior" (dlgRandom): a profile (cboProfile), a race or "Any" (cboRace) and a seed
// (txtSeed, a fresh one each time the dialog opens; "New Seed" draws another). "OK" hands back
// what the forge is to make; a mistake is told and the dialog stays open.

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <optional>
#include <vector>

#include "core/context/Prompter.h"
#include "core/forge/Forge.h"

namespace dk::ui {

class RandomWarriorDialog : public QDialog {
  Q_OBJECT
 public:
  RandomWarriorDialog(const std::vector<Profile>& profiles, Prompter& prompter,
                      QWidget* parent = nullptr);

 private:
  friend std::optional<ForgeRequest> showRandomDialog(const std::vector<Profile>&, Prompter&,
                                                      QWidget*);
  void confirm();

  const std::vector<Profile>& profiles_;
  Prompter& prompter_;
  QComboBox* profile_ = nullptr;
  QComboBox* race_ = nullptr;
  QLineEdit* seed_ = nullptr;
  std::optional<ForgeRequest> chosen_;
};

// Shows the dialog centred over its window: the request confirmed with "OK", or nullopt when it
// was closed any other way.
std::optional<ForgeRequest> showRandomDialog(const std::vector<Profile>& profiles,
                                             Prompter& prompter, QWidget* parent);

}  // namespace dk::ui

#pragma once
// "Planet List" (frmPlanetList): the planet names read from "planets.dat", in file order; "Ok"
// (or a double click) hands back the selected name.

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "context/Prompter.h"

namespace dk::ui {

class PlanetListDialog : public QDialog {
  Q_OBJECT
 public:
  PlanetListDialog(const std::vector<std::string>& planets, Prompter& prompter,
                   QWidget* parent = nullptr);

  // The name chosen with "Ok"; nullopt when the dialog was closed any other way.
  const std::optional<std::string>& chosen() const { return chosen_; }

 private:
  void confirm();

  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::string> chosen_;
};

}  // namespace dk::ui

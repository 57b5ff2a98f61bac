#pragma once
// "Planet List" (frmPlanetList): the planet names of "planets.dat" in file order; "Ok" (or a
// double click) hands back the selected name.

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>

#include "app/Prompter.h"

namespace dk::ui {

class PlanetListDialog : public QDialog {
  Q_OBJECT
 public:
  // Reads the planet file at path (reported through the prompter when something is wrong).
  PlanetListDialog(Prompter& prompter, const QString& path, QWidget* parent = nullptr);

  // The name chosen with "Ok"; nullopt when the dialog was closed any other way.
  const std::optional<std::string>& chosen() const { return chosen_; }

 private:
  void confirm();

  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::string> chosen_;
};

}  // namespace dk::ui

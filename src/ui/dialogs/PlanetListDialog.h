#pragma once
// "Planet List" (frmPlanetList): the planet names read from "planets.dat", in file order; "Ok"
// (or a double click) hands back the selected name.

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/context/Prompter.h"

namespace dk::ui {

class PlanetListDialog : public QDialog {
  Q_OBJECT
 public:
  PlanetListDialog(const std::vector<std::string>& planets, Prompter& prompter,
                   QWidget* parent = nullptr);

 private:
  friend std::optional<std::string> showPlanetList(const std::vector<std::string>&, Prompter&,
                                                   QWidget*);
  void confirm();

  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  std::optional<std::string> chosen_;
};

// Shows the planet list centred on the screen: the name chosen with "Ok", or nullopt when the
// list was closed any other way.
std::optional<std::string> showPlanetList(const std::vector<std::string>& planets,
                                          Prompter& prompter, QWidget* parent);

}  // namespace dk::ui

#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "core/context/Prompter.h"

namespace dk::ui {

// The About box (frmAbout): title, version, contact and the system-information button.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  // `ownCatalogues`: the catalogue files of the table's own in use beside the shipped ones.
  explicit AboutBox(Prompter& prompter, const std::vector<std::string>& ownCatalogues = {},
                    QWidget* parent = nullptr);

 private:
  void startSystemInfo();

  Prompter& prompter_;
};

}  // namespace dk::ui

#pragma once
#include <QDialog>

#include "core/context/Prompter.h"

namespace dk::ui {

// The About box (frmAbout): title, version, contact and the system-information button.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(Prompter& prompter, QWidget* parent = nullptr);

 private:
  void startSystemInfo();

  Prompter& prompter_;
};

}  // namespace dk::ui

#pragma once
#include <QDialog>

namespace dk::ui {

// The About box (frmAbout): title, version, contact and the system-information button.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);

 private:
  void startSystemInfo();
};

}  // namespace dk::ui

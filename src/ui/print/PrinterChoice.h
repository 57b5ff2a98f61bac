#pragma once
// The printer "Print" uses: the one chosen in "Print Setup" for the rest of the run, else the
// system's default printer. One for the whole program, shared by every window.

#include <QString>
#include <QWidget>
#include <memory>

class QPrinter;

namespace dk::ui {

class PrinterChoice {
 public:
  PrinterChoice();
  ~PrinterChoice();

  // "Print Setup": the system's printer dialog, opened modally. The printer chosen with OK is
  // kept; Cancel keeps the earlier choice.
  void setup(QWidget* parent);

  // The printer to print on, or nullptr when none is installed and none was chosen.
  QPrinter* printer();

 private:
  std::unique_ptr<QPrinter> chosen_;
  std::unique_ptr<QPrinter> fallback_;
};

}  // namespace dk::ui

#pragma once
// The printer "Print" uses: the one chosen in "Print Setup", else the system's default printer.
// One for the whole program, shared by every window. The choice (the printer and its page
// setup) is kept in the settings and taken up again by the next run, while that printer exists.

#include <QString>
#include <QWidget>
#include <memory>

class QPrinter;
class QSettings;

namespace dk::ui {

class PrinterChoice {
 public:
  explicit PrinterChoice(QSettings& settings);
  ~PrinterChoice();

  // "Print Setup": the system's printer dialog, opened modally. The printer chosen with OK is
  // kept; Cancel keeps the earlier choice.
  void setup(QWidget* parent);

  // The printer to print on, or nullptr when none is installed and none was chosen.
  QPrinter* printer();

  // A print dialog titled `title` on the printer "Print" would use (or a file, where no printer
  // is installed); the printer to print on, or nullptr when it was cancelled. The choice is not
  // kept for later runs: that is "Print Setup"'s.
  QPrinter* askPrinter(QWidget* parent, const QString& title);

 private:
  QSettings& settings_;
  std::unique_ptr<QPrinter> chosen_;
  std::unique_ptr<QPrinter> fallback_;
  std::unique_ptr<QPrinter> asked_;
};

}  // namespace dk::ui

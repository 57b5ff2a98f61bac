#include "ui/print/PrinterChoice.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "ui/print/SheetRenderer.h"

namespace dk::ui {

namespace {
std::unique_ptr<QPrinter> systemPrinter() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    if (all.isEmpty()) return nullptr;
    info = all.first();
  }
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setPageSize(sheetPageSize());
  return printer;
}
}  // namespace

PrinterChoice::PrinterChoice() = default;
PrinterChoice::~PrinterChoice() = default;

void PrinterChoice::setup(QWidget* parent) {
  std::unique_ptr<QPrinter> candidate = systemPrinter();
  if (!candidate) {
    candidate = std::make_unique<QPrinter>(QPrinter::HighResolution);
    candidate->setPageSize(sheetPageSize());
  }
  QPrinter& shown = chosen_ ? *chosen_ : *candidate;
  QPrintDialog dialog(&shown, parent);
  dialog.setObjectName("CD1");
  dialog.setWindowTitle("Print Setup");
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  // Setting up prints nothing yet: the button that keeps the choice says so.
  for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
  if (dialog.exec() != QDialog::Accepted) return;
  if (&shown == candidate.get()) chosen_ = std::move(candidate);
}

QPrinter* PrinterChoice::printer() {
  if (chosen_) return chosen_.get();
  fallback_ = systemPrinter();  // printers may come and go while the program runs
  return fallback_.get();
}

}  // namespace dk::ui

#include "ui/print/PrinterChoice.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>

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
QMarginsF keptMargins(const QVariantList& m) {
  if (m.size() != 4) return {};
  return {m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble()};
}
}  // namespace

PrinterChoice::PrinterChoice(QSettings& settings) : settings_(settings) {
  const QString name = settings_.value("print/printer").toString();
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (name.isEmpty() || info.isNull()) return;
  chosen_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  const QPageLayout kept(
      QPageSize(static_cast<QPageSize::PageSizeId>(
          settings_.value("print/pageSize", int(QPageSize::Letter)).toInt())),
      static_cast<QPageLayout::Orientation>(settings_.value("print/orientation", 0).toInt()),
      keptMargins(settings_.value("print/margins").toList()), QPageLayout::Millimeter);
  chosen_->setPageLayout(kept);
}
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
  const QPageLayout layout = chosen_->pageLayout();
  settings_.setValue("print/printer", chosen_->printerName());
  settings_.setValue("print/pageSize", int(layout.pageSize().id()));
  settings_.setValue("print/orientation", int(layout.orientation()));
  const QMarginsF m = layout.margins(QPageLayout::Millimeter);
  settings_.setValue("print/margins", QVariantList{m.left(), m.top(), m.right(), m.bottom()});
}

QPrinter* PrinterChoice::printer() {
  if (chosen_) return chosen_.get();
  fallback_ = systemPrinter();  // printers may come and go while the program runs
  return fallback_.get();
}

QPrinter* PrinterChoice::askPrinter(QWidget* parent, const QString& title) {
  asked_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (QPrinter* shown = printer()) {
    asked_->setPrinterName(shown->printerName());
    asked_->setPageLayout(shown->pageLayout());
  } else {
    asked_->setPageSize(sheetPageSize());
  }
  QPrintDialog dialog(asked_.get(), parent);
  dialog.setObjectName("CD1");
  dialog.setWindowTitle(title);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted ? asked_.get() : nullptr;
}

}  // namespace dk::ui

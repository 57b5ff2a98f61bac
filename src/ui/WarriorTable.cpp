#include "ui/WarriorTable.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProgressDialog>

#include "core/app/Roster.h"
#include "core/app/SaveWarrior.h"
#include "core/printing/CharacterSheet.h"
#include "core/printing/PrintMessages.h"
#include "ui/ExportTemplates.h"
#include "ui/FileChooser.h"
#include "ui/WarriorWindow.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/SheetRenderer.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

namespace {
constexpr int kWindowRole = Qt::UserRole + 1;
}  // namespace

WarriorTable::WarriorTable(QMainWindow& frame, QMdiArea& area, FileChooser& files,
                           PrinterChoice& printers, Prompter& prompter, SharedState& shared)
    : QObject(&frame),
      frame_(frame),
      area_(area),
      files_(files),
      printers_(printers),
      prompter_(prompter),
      shared_(shared) {}

QList<WarriorWindow*> WarriorTable::windows() const {
  QList<WarriorWindow*> out;
  for (QMdiSubWindow* sub : area_.subWindowList(QMdiArea::CreationOrder))
    if (auto* w = qobject_cast<WarriorWindow*>(sub->widget())) out << w;
  return out;
}

template <typename Put>
WarriorTable::RunEnd WarriorTable::runSheets(QWidget* parent, const QString& doing, Put put) {
  const QList<WarriorWindow*> open = windows();
  QList<QPointer<WarriorWindow>> kept(open.begin(), open.end());
  QProgressDialog progress(doing, "Cancel", 0, static_cast<int>(kept.size()), parent);
  progress.setObjectName("dlgSheetProgress");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  SheetRun run;
  run.count = static_cast<int>(kept.size());
  run.goOn = [&progress](int i) {
    progress.setValue(i);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  };
  // A window closed while the run goes on gives an empty sheet rather than a record that is gone.
  run.sheet = [&kept](int i) {
    QtPrintSurface surface;
    if (kept[i]) printWarriorSheet(kept[i]->warrior(), surface, false);
    return surface.document();
  };
  const bool finished = put(run);
  const bool cancelled = progress.wasCanceled();
  progress.setValue(run.count);
  if (cancelled) return RunEnd::Cancelled;
  return finished ? RunEnd::Done : RunEnd::Failed;
}

void WarriorTable::exportAllPdf(QWidget* parent) {
  if (windows().isEmpty()) return;
  const QString path = files_.pdfFile(parent, "Warriors.pdf");
  if (path.isEmpty()) return;
  Outcome written = done();
  const RunEnd end =
      runSheets(parent, "Writing the sheets into one PDF...", [&](const SheetRun& run) {
        written = writeSheetsPdf(run, "Warriors", path.toStdString());
        return written.ok();
      });
  if (end == RunEnd::Failed)
    prompter_.showMessage(pdfFailedMessage(path.toStdString(), written.message()),
                          MessageIcon::Critical);
}

void WarriorTable::exportWithTemplate(QWidget* parent, WarriorWindow* only) {
  const QList<WarriorWindow*> open = only ? QList<WarriorWindow*>{only} : windows();
  QList<QPointer<WarriorWindow>> kept(open.begin(), open.end());
  const auto warriorAt = [&kept](int i) {
    return kept[i] ? Result<Warrior>(kept[i]->warrior())
                   : Result<Warrior>::failure("A warrior window was closed during the export.");
  };
  const auto suggested = [&](const std::string& extension) {
    const std::string name = only ? suggestedFileName(only->warrior(), "." + extension) : "";
    return name.empty() ? std::string(only ? "Warrior." : "Warriors.") + extension : name;
  };
  ui::exportWithTemplate(parent, files_, prompter_, shared_, static_cast<int>(kept.size()),
                         warriorAt, suggested);
}

void WarriorTable::printAll(QWidget* parent) {
  if (windows().isEmpty()) return;
  QPrinter* printer = printers_.askPrinter(parent, "Print All");
  if (!printer) return;
  const RunEnd end = runSheets(parent, "Printing the sheets...", [&](const SheetRun& run) {
    return printSheets(run, "Warriors", *printer);
  });
  if (end == RunEnd::Failed)
    prompter_.showMessage(printFailedMessage(printer->printerName().toStdString()),
                          MessageIcon::Critical);
}

void WarriorTable::showRoster() {
  if (!dock_) {
    dock_ = new QDockWidget("Roster", &frame_);
    dock_->setObjectName("dockRoster");
    QStringList columns;
    for (const char* c : kRosterColumns) columns << c;
    list_ = makeListView(dock_, "lvRoster", columns, "Open warriors");
    // Every column as wide as its texts, the last taking what is left.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(true);
    list_->setSortingEnabled(true);
    list_->sortByColumn(-1, Qt::AscendingOrder);  // in the order the windows were made
    dock_->setWidget(list_);
    frame_.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    // Room for a table of six or so; the warrior windows keep the rest.
    const int row = list_->fontMetrics().height() + 4;
    frame_.resizeDocks({dock_}, {row * 8}, Qt::Vertical);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
      for (WarriorWindow* w : windows())
        if (item->data(0, kWindowRole).value<QObject*>() == w) emit activateRequested(w);
    });
    packages_ = loadPackages(shared_.catalogueFolders()).valueOr({});
    for (WarriorWindow* w : windows()) showRow(w);
  }
  dock_->show();
  dock_->raise();
}

void WarriorTable::watch(WarriorWindow* window) {
  connect(window, &WarriorWindow::warriorChanged, this, [this, window] { showRow(window); });
  connect(window, &QObject::destroyed, this, [this, window] { delete rowOf(window); });
  showRow(window);
}

QTreeWidgetItem* WarriorTable::rowOf(const WarriorWindow* window) const {
  for (int i = 0; list_ && i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->data(0, kWindowRole).value<QObject*>() == window)
      return list_->topLevelItem(i);
  return nullptr;
}

void WarriorTable::showRow(WarriorWindow* window) {
  if (!list_) return;  // no roster yet: it reads every row when it is made
  const RosterRow row = rosterRow(window->warrior(), !window->modified(),
                                  window->document().checkCatalogues(packages_));
  QTreeWidgetItem* item = rowOf(window);
  if (!item) {
    item = new ListRow(list_);
    item->setData(0, kWindowRole, QVariant::fromValue<QObject*>(window));
  }
  for (int c = 0; c < static_cast<int>(row.cells.size()); ++c)
    if (item->text(c) != QString::fromStdString(row.cells[c]))
      item->setText(c, QString::fromStdString(row.cells[c]));
  item->setToolTip(9, QString::fromStdString(row.checkReport));
  for (int c = 3; c <= 7; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace dk::ui

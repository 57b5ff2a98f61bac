#pragma once
// The whole table at once: every open warrior's sheet into one PDF or one print job, and the
// roster, a panel of the frame with one row per open warrior that follows every change.

#include <QDockWidget>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QTreeWidget>
#include <vector>

#include "core/app/CheckWarrior.h"
#include "core/context/Prompter.h"
#include "core/context/SharedState.h"

namespace dk::ui {

class FileChooser;
class PrinterChoice;
class WarriorWindow;

class WarriorTable : public QObject {
  Q_OBJECT
 public:
  WarriorTable(QMainWindow& frame, QMdiArea& area, FileChooser& files, PrinterChoice& printers,
               Prompter& prompter, SharedState& shared);

  // The open warriors in the order of the Warriors menu (the order their windows were made).
  QList<WarriorWindow*> windows() const;

  // "Export All to PDF...": every open warrior into one PDF, through the sheet's file chooser.
  // A long run shows its progress and may be cancelled; a cancel leaves no file.
  void exportAllPdf(QWidget* parent);
  // "Export with Template..." of one window (`only`), or "Export All with Template..." of every
  // open warrior (`only` null), in the order of the Warriors menu.
  void exportWithTemplate(QWidget* parent, WarriorWindow* only);
  // "Print All...": one print dialog, one job.
  void printAll(QWidget* parent);

  // "Roster": the panel, shown (made the first time).
  void showRoster();
  QTreeWidget* roster() const { return list_; }
  // A new window: its row follows it until it closes.
  void watch(WarriorWindow* window);

 signals:
  // A double click on a row: its window to the front.
  void activateRequested(WarriorWindow* window);

 private:
  void showRow(WarriorWindow* window);
  QTreeWidgetItem* rowOf(const WarriorWindow* window) const;
  // The sheets of the open warriors put out by `put`, with a progress dialog that a long run
  // shows; whether they all went, were cancelled, or `put` failed.
  enum class RunEnd { Done, Cancelled, Failed };
  template <typename Put>
  RunEnd runSheets(QWidget* parent, const QString& doing, Put put);

  QMainWindow& frame_;
  QMdiArea& area_;
  FileChooser& files_;
  PrinterChoice& printers_;
  Prompter& prompter_;
  SharedState& shared_;
  QPointer<QDockWidget> dock_;
  QTreeWidget* list_ = nullptr;
  std::vector<SkillPackage> packages_;  // read once, when the roster is made
};

}  // namespace dk::ui

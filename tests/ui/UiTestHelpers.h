#pragma once
// Helpers for the window tests: find controls by object name and answer the real modal boxes
// that a command opens.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "TestPaths.h"
#include "core/FakePrompter.h"
#include "ui/FileChooser.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompter.h"
#include "ui/WarriorWindow.h"

namespace dk::test {

struct SeenBox {
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
  QStringList buttons;
};

// Waits (spinning the event loop) for the next modal widget of the given type and hands it to
// `handle`. Must be armed before the command that opens the box.
template <typename Modal>
void whenModal(std::function<void(Modal*)> handle, int timeoutMs = 5000) {
  // Owned by the application, so a watcher whose box never came (a test that arms more boxes
  // than it expects, to catch one too many) goes with the application.
  auto* timer = new QTimer(QCoreApplication::instance());
  timer->setObjectName(QStringLiteral("boxWatcher"));
  timer->setInterval(10);
  // Real time, not counted ticks: on a busy machine the ticks come late, and a watcher that
  // outlived its own test would answer the next test's box.
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, handle, clock, timeoutMs] {
    if (clock->elapsed() > timeoutMs) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      handle(modal);
    }
  });
  timer->start();
}

// Stops every watcher still waiting, so one armed for a box that never came (a test that arms
// one box more than it expects, to catch one too many) cannot answer the next test's box.
// Test classes that arm watchers call it from their cleanup() slot.
inline void disarmBoxWatchers() {
  for (QTimer* timer : QCoreApplication::instance()->findChildren<QTimer*>(
           QStringLiteral("boxWatcher"), Qt::FindDirectChildrenOnly))
    delete timer;
}

// Answers the next message box by pressing the given button and records what it showed.
inline void answerMessageBox(QMessageBox::StandardButton button, SeenBox* seen = nullptr) {
  whenModal<QMessageBox>([button, seen](QMessageBox* box) {
    if (seen) {
      seen->text = box->text();
      seen->icon = box->icon();
      seen->title = box->windowTitle();
      for (QAbstractButton* b : box->buttons()) seen->buttons << b->text();
    }
    QAbstractButton* b = box->button(button);
    if (b)
      b->click();
    else
      box->reject();
  });
}

// Answers a series of message boxes, one after another, recording each.
inline void answerMessageBoxes(QList<QMessageBox::StandardButton> buttons, QList<SeenBox>* seen) {
  if (buttons.isEmpty()) return;
  const auto button = buttons.takeFirst();
  whenModal<QMessageBox>([button, buttons, seen](QMessageBox* box) {
    if (seen) seen->append({box->text(), box->icon(), box->windowTitle(), {}});
    answerMessageBoxes(buttons, seen);
    if (QAbstractButton* b = box->button(button))
      b->click();
    else
      box->reject();
  });
}

// Types an answer into the next input box and presses OK (or Cancel when `accept` is false).
inline void answerInputBox(const QString& answer, bool accept = true, QString* prompt = nullptr) {
  whenModal<QInputDialog>([answer, accept, prompt](QInputDialog* dialog) {
    if (prompt) *prompt = dialog->labelText();
    dialog->setTextValue(answer);
    if (accept)
      dialog->accept();
    else
      dialog->reject();
  });
}

// A file of these bytes, for a test's own data or warrior files.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

template <typename T>
T* child(QObject* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromLatin1(name));
  if (!found) qWarning("control %s not found", name);
  return found;
}

// --- Controls used as a user would: a click on a button, on a list row or entry.
inline void click(QWidget* w, const char* name) {
  QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}
inline bool enabled(QWidget* w, const char* name) {
  return child<QAbstractButton>(w, name)->isEnabled();
}
inline QString labelText(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }
inline QString field(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }

inline QTreeWidgetItem* rowNamed(QTreeWidget* view, const QString& name) {
  const auto found = view->findItems(name, Qt::MatchExactly, 0);
  return found.isEmpty() ? nullptr : found.front();
}
// Clicks (or double-clicks) the row of that name in a list view.
inline void clickRow(QTreeWidget* view, const QString& name, bool twice = false) {
  QTreeWidgetItem* item = rowNamed(view, name);
  QVERIFY2(item, qPrintable(name));
  view->scrollToItem(item);
  const QPoint at = view->visualItemRect(item).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  // A double click is a press, a release and a second press that the platform marks double.
  if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}
inline void clickRow(QWidget* w, const char* list, const QString& name, bool twice = false) {
  clickRow(child<QTreeWidget>(w, list), name, twice);
}
// The column texts of the row of that name; empty when there is none.
inline QStringList rowTexts(QWidget* w, const char* list, const QString& name) {
  QTreeWidgetItem* item = rowNamed(child<QTreeWidget>(w, list), name);
  QStringList out;
  for (int c = 0; item && c < item->columnCount(); ++c) out << item->text(c);
  return out;
}
// Clicks an entry of a list box.
inline void clickEntry(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  QVERIFY(item);
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
inline void clickEntry(QListWidget* list, const QString& text) {
  const auto found = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(text));
  clickEntry(list, list->row(found.front()));
}

// A file chooser that answers at once: each question takes the next queued answer, and an empty
// queue (or an empty answer) is a cancel. What was asked is kept.
class FakeFileChooser : public ui::FileChooser {
 public:
  QStringList answers;
  // "open", "save <suggested>", "pdf <suggested>", "template <names>", "export <suggested>"
  QStringList asked;
  QString warriorFile(QWidget*, bool forSaving, const QString& suggested) override {
    asked << (forSaving ? "save " + suggested : QString("open"));
    return next();
  }
  // Several files at once: one answer with the paths on lines of their own.
  QStringList warriorFilesToOpen(QWidget*) override {
    asked << "open";
    return next().split('\n', Qt::SkipEmptyParts);
  }
  QString pdfFile(QWidget*, const QString& suggested) override {
    asked << "pdf " + suggested;
    return next();
  }
  QString exportTemplate(QWidget*, const QStringList& names) override {
    asked << "template " + names.join(',');
    return next();
  }
  QString exportFile(QWidget*, const QString& suggested, const QString&) override {
    asked << "export " + suggested;
    return next();
  }
  void remember(const QString&) override {}

 private:
  QString next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// A main frame whose rules talk to a scripted user and whose file choosers answer at once,
// reading the shipped data files: a test of what a rule shows on the screen runs straight
// through, without a box.
// Each frame keeps its recovery folder and settings in a folder of its own, never the user's.
struct OwnPlaces {
  QTemporaryDir folder;
  ui::FramePlaces places(const QString& dataFolder) const {
    return {dataFolder.toStdString(),
            folder.filePath("state").toStdString(),
            folder.filePath("settings.ini"),
            {}};
  }
};

struct ScriptedFrame {
  OwnPlaces own;
  FakePrompter prompter;
  FakeFileChooser files;
  ui::MainFrame frame{prompter, files, own.places(QString(DRAKKENFOLD_DATA))};
  ScriptedFrame() { frame.show(); }
  ui::WarriorWindow* newWarrior() { return frame.newWarrior(); }
  // A new warrior with skills priority 2 (16 points) and its Skills page in front.
  ui::WarriorWindow* skillsWarrior() {
    ui::WarriorWindow* w = frame.newWarrior();
    w->findChild<QScrollBar*>("vsPSkl")->setValue(2);
    w->tabs()->setCurrentIndex(3);
    return w;
  }
};

// The frame with the real message boxes and file dialogs, reading the data files of a folder
// (the shipped ones unless told): for the tests of the boxes themselves.
struct RealFrame {
  OwnPlaces own;
  ui::QtPrompter prompter;
  ui::QtFileChooser files;
  ui::MainFrame frame;
  explicit RealFrame(const QString& dataFolder = QString(DRAKKENFOLD_DATA))
      : files(own.folder.filePath("settings.ini")), frame(prompter, files, own.places(dataFolder)) {
    prompter.setParent(&frame);
    frame.show();
  }
};

inline QMdiSubWindow* subWindowOf(ui::WarriorWindow* w) {
  return qobject_cast<QMdiSubWindow*>(w->parentWidget());
}

}  // namespace dk::test

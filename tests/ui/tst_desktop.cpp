// The program as part of the desktop: recent files, warrior files dropped on the frame, and the
// choices a later run remembers.
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/app/RecentFiles.h"
#include "ui/print/PrintPreview.h"

using namespace dk;
using namespace dk::test;

namespace {
QStringList entries(QMenu* menu) {
  emit menu->aboutToShow();
  QStringList out;
  for (QAction* a : menu->actions())
    if (!a->isSeparator())
      out << (a->toolTip() == a->text().remove('&') ? a->text() : a->toolTip());
  return out;
}
QMenu* recentOf(QObject* owner) {
  for (auto* menu : owner->findChildren<QMenu*>())
    if (menu->menuAction()->objectName() == "mnuRecent") return menu;
  return nullptr;
}
// What a file manager hands over when files are dropped.
bool drop(ui::MainFrame& frame, const QStringList& files) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& f : files) urls << QUrl::fromLocalFile(f);
  data->setUrls(urls);
  QWidget* target = frame.mdiArea()->viewport();
  QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(target, &enter);
  if (enter.isAccepted()) {
    QDropEvent dropped(QPointF(target->rect().center()), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
  }
  delete data;
  return enter.isAccepted();
}
}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

  QString copyOf(const ScriptedFrame& s, const char* fixture, const char* as) {
    const QString target = s.own.folder.filePath(as);
    QFile::copy((QString(DRAKKENFOLD_FIXTURES) + "/") + fixture, target);
    return target;
  }

 private slots:
  void recentFilesFollowOpenAndSaveAndDropAVanishedFile() {
    ScriptedFrame s;
    const QString kai = copyOf(s, "full_warrior.war", "kai.war");
    s.files.answers << kai;
    s.frame.findChild<QAction*>("mnuOpen", Qt::FindDirectChildrenOnly)->trigger();
    auto* w = s.frame.warriorWindows().at(0);
    const QString saved = s.own.folder.filePath("saved.war");
    s.files.answers << saved;
    QVERIFY(w->save(true));
    // Newest first, in the frame's menu and the window's alike, the whole path as tooltip.
    QCOMPARE(entries(recentOf(&s.frame)), (QStringList{saved, kai, "Clear List"}));
    QCOMPARE(entries(recentOf(w)), entries(recentOf(&s.frame)));

    QFile::remove(saved);
    recentOf(w)->actions().at(0)->trigger();
    QCOMPARE(s.prompter.texts(),
             std::vector<std::string>{recentFileGoneMessage(saved.toStdString())});
    QCOMPARE(entries(recentOf(&s.frame)), (QStringList{kai, "Clear List"}));
    recentOf(&s.frame)->actions().at(0)->trigger();  // still there: it opens
    QCOMPARE(s.frame.warriorWindows().size(), 2);
    recentOf(&s.frame)->findChild<QAction*>("mnuRecentClear")->trigger();
    QCOMPARE(entries(recentOf(&s.frame)), QStringList{"Clear List"});
  }

  void droppedWarriorFilesOpenAndAnythingElseIsRefused() {
    ScriptedFrame s;
    const QString one = copyOf(s, "full_warrior.war", "one.war");
    const QString two = copyOf(s, "new_warrior.war", "two.WAR");
    const QString text = copyOf(s, "new_warrior.war", "notes.txt");
    QVERIFY(!drop(s.frame, {text}));
    QVERIFY(!drop(s.frame, {one, text}));
    QVERIFY(s.frame.warriorWindows().isEmpty());
    QVERIFY(drop(s.frame, {one, two}));
    QCOMPARE(s.frame.warriorWindows().size(), 2);
    QVERIFY(s.prompter.log.empty());
  }

  void theFolderAndTheZoomOutlastTheFrame() {
    QTemporaryDir settings;
    const QString file = settings.filePath("settings.ini");
    const QString kai = settings.filePath("kai.war");
    QFile::copy((QString(DRAKKENFOLD_FIXTURES) + "/full_warrior.war"), kai);
    for (const QString zoom : {"200", ""}) {
      FakePrompter prompter;
      ui::QtFileChooser files(file);
      ui::MainFrame frame(prompter, files,
                          {DRAKKENFOLD_DATA, settings.filePath("state").toStdString(), file});
      frame.show();
      if (!zoom.isEmpty()) {
        QVERIFY(files.folder() != settings.path());
        frame.openWarriorFiles({kai});  // as a chosen file, it becomes the folder last used
        frame.warriorWindows()[0]->findChild<QAction*>("mnuPrint")->trigger();
        child<QComboBox>(frame.printPreview(), "Combo1")->setCurrentText(zoom);
      } else {
        // The next frame, with the same settings.
        QCOMPARE(files.folder(), settings.path());
        frame.openWarriorFiles({kai})[0]->findChild<QAction*>("mnuPrint")->trigger();
        QCOMPARE(child<QComboBox>(frame.printPreview(), "Combo1")->currentText(), QString("200"));
      }
    }
  }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"

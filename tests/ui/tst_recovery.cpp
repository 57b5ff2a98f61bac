// No warrior is lost: a window closed with changes comes back with "Reopen Closed Warrior", and
// a program killed after a change leaves its warrior for the next start to offer.
#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <cstdio>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/files/WarriorFile.h"
#include "ui/RecoveryKeeper.h"

using namespace dk;
using namespace dk::test;

namespace {
// The program that will be killed: one warrior with a change, written once by its autosave.
int runChild(const QString& folder) {
  FakePrompter prompter;
  FakeFileChooser files;
  ui::MainFrame frame(prompter, files, {DRAKKENFOLD_DATA, folder.toStdString(), {}});
  frame.recovery().setInterval(100);
  auto* w = frame.newWarrior();
  w->tabs()->setCurrentIndex(2);
  click(w, "cmdBldUp");
  const QDir session(folder + "/sessions/" + QString::number(QCoreApplication::applicationPid()));
  for (int waited = 0; session.entryList({"*.entry"}).isEmpty(); waited += 20) {
    if (waited > 5000) return 1;
    QTest::qWait(20);
  }
  std::puts("kept");
  std::fflush(stdout);
  QTest::qWait(60000);  // until it is killed
  return 0;
}
}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void aClosedWindowWithChangesComesBackAndSavesWhereItWas() {
    ScriptedFrame s;
    auto* reopen = s.frame.findChild<QAction*>("mnuReopenClosed", Qt::FindDirectChildrenOnly);
    QVERIFY(!reopen->isEnabled());
    auto* w = s.newWarrior();
    const QString path = s.own.folder.filePath("kai.war");
    s.files.answers << path;
    QVERIFY(w->save(false));
    w->tabs()->setCurrentIndex(2);
    click(w, "cmdBldUp");
    w->findChild<QAction*>("mnuClose")->trigger();
    QTRY_VERIFY(s.frame.warriorWindows().isEmpty());
    QVERIFY(reopen->isEnabled());

    reopen->trigger();
    QCOMPARE(s.frame.warriorWindows().size(), 1);
    auto* back = s.frame.warriorWindows()[0];
    QCOMPARE(back->warrior().attributeScore[kBLD], std::string("2"));
    QVERIFY(back->modified());
    QVERIFY(!reopen->isEnabled());  // it was the only one
    QVERIFY(back->save(false));     // no chooser: it knows its file
    QCOMPARE(s.files.asked, QStringList{"save "});
    QCOMPARE(openWarriorFile(path.toStdString()).opened->warrior.attributeScore[kBLD],
             std::string("2"));
  }

  void aKilledProgramLeavesItsWarriorForTheNextStart() {
    QTemporaryDir folder;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--recovery-child", folder.path()});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("kept"),
                              child.readAllStandardError().constData(), 10000);
    child.kill();  // SIGKILL: no clean end
    QVERIFY(child.waitForFinished());

    FakePrompter prompter;
    FakeFileChooser files;
    ui::MainFrame frame(prompter, files, {DRAKKENFOLD_DATA, folder.path().toStdString(), {}});
    prompter.yesNoAnswers = {true};
    frame.offerRecovery();
    QCOMPARE(prompter.texts(), std::vector<std::string>{
                                   "1 warrior from the last session was not saved. Restore it?"});
    QCOMPARE(frame.warriorWindows().size(), 1);
    QCOMPARE(frame.warriorWindows()[0]->warrior().attributeScore[kBLD], std::string("2"));
    QVERIFY(frame.warriorWindows()[0]->modified());
    frame.offerRecovery();  // asked once: the session is gone
    QCOMPARE(prompter.log.size(), 1u);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--recovery-child") return runChild(argv[2]);
  RecoveryTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"

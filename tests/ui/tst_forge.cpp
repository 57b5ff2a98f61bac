// "New Random Warrior...": the dialog refuses a seed that is not a whole number and stays open,
// then opens the warrior asked for in a new unsaved window, which one Undo empties again.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/forge/Forge.h"
#include "ui/dialogs/RandomWarriorDialog.h"

using namespace dk;
using namespace dk::test;

class ForgeTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { disarmBoxWatchers(); }

  void aRandomWarriorOpensUnsavedAndUndoTakesItBack() {
    ScriptedFrame s;
    bool stayedOpen = false;
    QString fresh;
    whenModal<ui::RandomWarriorDialog>([&](ui::RandomWarriorDialog* d) {
      QCOMPARE(d->objectName(), QString("dlgRandom"));
      fresh = field(d, "txtSeed");
      click(d, "cmdNewSeed");
      child<QComboBox>(d, "cboProfile")->setCurrentText("Scout");
      child<QComboBox>(d, "cboRace")->setCurrentText("Clan Pilot");
      child<QLineEdit>(d, "txtSeed")->setText("47x1");
      click(d, "cmdOk");
      stayedOpen = d->isVisible();
      child<QLineEdit>(d, "txtSeed")->setText("4711");
      click(d, "cmdOk");
    });
    QAction* item = s.frame.findChild<QAction*>("mnuNewRandom");
    QCOMPARE(item->shortcut(), QKeySequence("Ctrl+Shift+N"));
    item->trigger();
    QVERIFY(stayedOpen);
    QVERIFY(parseSeed(fresh.toStdString()).has_value());
    QCOMPARE(s.prompter.log.size(), std::size_t{1});
    QCOMPARE(s.prompter.log.front().text, std::string(kSeedNotAWholeNumber));

    QCOMPARE(s.frame.warriorWindows().size(), 1);
    ui::WarriorWindow* w = s.frame.warriorWindows().front();
    QCOMPARE(w->warrior().notes,
             std::string("Random warrior, profile Scout, race Clan Pilot, seed 4711"));
    QCOMPARE(w->warrior().priorityGrant[kRace], std::string("Clan Pilot"));
    QCOMPARE(field(w, "txtName"), QString::fromStdString(w->warrior().name));
    QVERIFY(w->modified());
    QVERIFY(w->warrior().filePath.empty());
    // The warrior window offers the same item; one Undo and the warrior is new again.
    QVERIFY(w->findChild<QAction*>("mnuNewRandom"));
    w->findChild<QAction*>("mnuUndo")->trigger();
    QCOMPARE(w->warrior().notes, std::string());
    QCOMPARE(field(w, "txtName"), QString());
    QVERIFY(!w->findChild<QAction*>("mnuUndo")->isEnabled());
  }
};

QTEST_MAIN(ForgeTest)
#include "tst_forge.moc"

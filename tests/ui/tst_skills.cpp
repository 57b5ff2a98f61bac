// The "Skills" page driven through its real controls: buying and removing levels, rolls that
// follow the "Stats" page, the clan packages through their question boxes, the catalogue load
// and the "Which Skill?" dialog.
#include <QAbstractButton>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/budget/Priorities.h"
#include "core/skills/ClanPackages.h"
#include "ui/QtPrompter.h"
#include "ui/dialogs/SkillPickerDialog.h"

using namespace dk;
using namespace dk::test;
using Texts = std::vector<std::string>;

class SkillsTest : public QObject {
  Q_OBJECT

  static int poolSize(QWidget* w, const char* name) { return child<QListWidget>(w, name)->count(); }

  // A new warrior whose skills priority grants `points` (8, 12, 16, ...) in its skill area.
  static ui::WarriorWindow* warriorWithSkillPoints(ui::MainFrame& frame, int points) {
    auto* w = frame.newWarrior();
    auto* bar = child<QScrollBar>(w, "vsPSkl");
    const int level = (points - 8) / 4;
    bar->setValue(level == 0 ? 1 : level);
    bar->setValue(level);
    w->tabs()->setCurrentIndex(3);
    return w;
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }

  void buysThreeLevelsAndTheMessageBoxRefusesTheFourth() {
    RealFrame real;
    auto* w = warriorWithSkillPoints(real.frame, 8);
    auto* catalogue = child<QTreeWidget>(w, "lvSkillLstIS");
    QCOMPARE(rowTexts(w, "lvSkillLstIS", "Small Arms"), (QStringList{"Small Arms", "Physical"}));
    QCOMPARE(poolSize(w, "lstPointsIS"), 8);

    clickRow(w, "lvSkillLstIS", "Blade");
    for (int i = 0; i < 3; ++i) click(w, "cmdAddPtIS");
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Blade"), (QStringList{"Blade", "3", "13"}));
    QCOMPARE(poolSize(w, "lstPointsIS"), 2);
    QVERIFY(!enabled(w, "cmdAddPackage"));
    QVERIFY(!enabled(w, "cmdPickMOSFOS"));
    QVERIFY(!enabled(w, "cmdChangeMOS"));

    SeenBox seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    click(w, "cmdAddPtIS");
    QCOMPARE(seen.text, QString("You don't have enough points!"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);  // a plain box while points are left
    QCOMPARE(seen.title, QString("Drakkenfold Character Generator"));
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Blade")[1], QString("3"));

    // A double click on the owned row takes a level back.
    clickRow(w, "lvSkillsIS", "Blade", true);
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Blade"), (QStringList{"Blade", "2", "14"}));
    QCOMPARE(poolSize(w, "lstPointsIS"), 5);
    // A click on the pool forgets the catalogue selection.
    QListWidget* pool = child<QListWidget>(w, "lstPointsIS");
    QTest::mouseClick(pool->viewport(), Qt::LeftButton, {},
                      pool->visualItemRect(pool->item(0)).center());
    QVERIFY(!catalogue->currentItem());
  }

  void rollFollowsAReflexesRaiseOnTheStatsPage() {
    ScriptedFrame s;
    auto* w = warriorWithSkillPoints(s.frame, 12);
    clickRow(w, "lvSkillLstIS", "Small Arms", true);  // a double click buys
    clickRow(w, "lvSkillLstIS", "Tactics");
    click(w, "cmdAddPtIS");
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Small Arms"), (QStringList{"Small Arms", "1", "15"}));
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Tactics"), (QStringList{"Tactics", "1", "15"}));
    w->tabs()->setCurrentIndex(2);
    click(w, "cmdRefUp");
    QCOMPARE(child<QLabel>(w, "lblPhyVal")->text(), QString("15"));
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Small Arms")[2], QString("14"));
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Tactics")[2], QString("15"));  // Mental stays
  }

  void clanPackagesThroughTheirQuestions() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPRace")->setValue(2);  // Clan Drakkenfold
    child<QScrollBar>(w, "vsPSkl")->setValue(2);   // 16 points
    w->tabs()->setCurrentIndex(3);
    QVERIFY(child<QWidget>(w, "fraClan")->isVisible());
    QCOMPARE(poolSize(w, "lstPoints"), 16);
    QVERIFY(enabled(w, "Command1"));
    QVERIFY(!enabled(w, "Command2"));

    // Yes to the primary package: too dear, and no second question; then No and Yes: the
    // secondary package.
    s.prompter.yesNoAnswers = {true, false, true};
    click(w, "Command1");
    QCOMPARE(child<QTreeWidget>(w, "lvSkills")->topLevelItemCount(), 0);
    click(w, "Command1");
    QCOMPARE(s.prompter.texts(),
             (Texts{kPrimaryClanWarriorQuestion, clanPackageTooDearMessage(20),
                    kPrimaryClanWarriorQuestion, kSecondaryClanWarriorQuestion}));
    QCOMPARE(s.prompter.log[0].icon, MessageIcon::Question);
    QCOMPARE(s.prompter.log[1].icon, MessageIcon::None);
    QCOMPARE(child<QTreeWidget>(w, "lvSkills")->topLevelItemCount(), 9);
    QCOMPARE(rowTexts(w, "lvSkills", "Gunnery/BattleMech"),
             (QStringList{"Gunnery/BattleMech", "3", "13"}));
    QCOMPARE(poolSize(w, "lstPoints"), 4);
    QVERIFY(!enabled(w, "Command1"));
    QVERIFY(enabled(w, "Command2"));

    // A heading click sorts the clan list by that column.
    auto* owned = child<QTreeWidget>(w, "lvSkills");
    owned->header()->sectionClicked(1);
    QCOMPARE(owned->topLevelItem(8)->text(0), QString("Gunnery/BattleMech"));

    // The skills priority asks to start the area over.
    s.prompter.yesNoAnswers = {true};
    child<QScrollBar>(w, "vsPSkl")->setValue(3);
    QCOMPARE(s.prompter.texts().back(), std::string(kClanPackageResetQuestion));
    QCOMPARE(owned->topLevelItemCount(), 0);
    QCOMPARE(poolSize(w, "lstPoints"), 20);
    QVERIFY(enabled(w, "Command1"));
  }

  void aDamagedCatalogueIsReportedOnceAndTheWindowStillOpens() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("skills.dat"), "Blade,A\r\nTactics\r\nLeadership,S\r\n"));
    for (const char* gear : {"weapons.dat", "equipt.dat"})
      QVERIFY(QFile::copy((QString(DRAKKENFOLD_DATA) + "/") + gear, dir.filePath(gear)));
    RealFrame real(dir.path());
    SeenBox seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    auto* w = real.frame.newWarrior();  // a second box would never be answered
    QVERIFY(w);
    QCOMPARE(seen.text, QString("The data file \"skills.dat\" is damaged at line 2: the skill "
                                "\"Tactics\" has no characteristic code."));
    QCOMPARE(child<QTreeWidget>(w, "lvSkillLstIS")->topLevelItemCount(), 0);
    QCOMPARE(child<QTreeWidget>(w, "lvSkillLst")->topLevelItemCount(), 0);
    // Everything else works.
    child<QScrollBar>(w, "vsPSkl")->setValue(1);
    QCOMPARE(poolSize(w, "lstPointsIS"), 12);
  }

  void whichSkillNeedsASelectionAndTellsNoChoiceFromAChoice() {
    ui::QtPrompter prompter;
    const std::vector<std::string> names{"Blade", "Small Arms", "Tactics"};
    SeenBox seen;
    QStringList shown;
    bool openAfterRefusal = false;
    whenModal<ui::SkillPickerDialog>([&](ui::SkillPickerDialog* dialog) {
      shown << dialog->objectName() << dialog->windowTitle();
      auto* list = child<QListWidget>(dialog, "lstSkill");
      for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
      answerMessageBox(QMessageBox::Ok, &seen);
      QTest::mouseClick(child<QAbstractButton>(dialog, "cmdOk"), Qt::LeftButton);
      openAfterRefusal = dialog->isVisible();
      list->setCurrentRow(1);
      QTest::mouseClick(child<QAbstractButton>(dialog, "cmdOk"), Qt::LeftButton);
    });
    QCOMPARE(prompter.pickSkill(names), std::optional<std::string>("Small Arms"));
    QCOMPARE(shown, (QStringList{"frmSkills", "Which Skill?", "Blade", "Small Arms", "Tactics"}));
    QVERIFY(openAfterRefusal);
    QCOMPARE(seen.text, QString("Please select a skill"));
    QCOMPARE(seen.icon, QMessageBox::Information);

    whenModal<ui::SkillPickerDialog>([](ui::SkillPickerDialog* dialog) {
      child<QListWidget>(dialog, "lstSkill")->setCurrentRow(0);
      dialog->reject();  // the close box
    });
    QCOMPARE(prompter.pickSkill(names), std::nullopt);
  }
};

QTEST_MAIN(SkillsTest)
#include "tst_skills.moc"

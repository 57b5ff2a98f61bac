// Training through specialities and skill packages, driven through the real warrior window and
// the real "Pick Skill Packages", "Pick Skills" and "Pick Package" dialogs.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

#include "TestPaths.h"
#include "UiTestHelpers.h"
#include "core/app/OpenWarrior.h"
#include "ui/QtPrompter.h"
#include "ui/dialogs/PackageDialog.h"
#include "ui/dialogs/RequiredSkillDialog.h"
#include "ui/dialogs/SpecialityDialog.h"

using namespace dk;
using namespace dk::test;

class SpecialitiesTest : public QObject {
  Q_OBJECT

  static QStringList texts(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  static QStringList names(QTreeWidget* view) {
    QStringList out;
    for (int i = 0; i < view->topLevelItemCount(); ++i) out << view->topLevelItem(i)->text(0);
    return out;
  }
  // A level choice first, then the skill, then "Add Pt -->".
  static void give(QWidget* w, int poolRow, const QString& skill) {
    clickEntry(child<QListWidget>(w, "lstPointsIS"), poolRow);
    clickRow(w, "lvSkillLstIS", skill);
    click(w, "cmdAddPtIS");
  }
  static bool centred(QWidget* dialog) {
    const QPoint off = dialog->frameGeometry().center() - dialog->screen()->geometry().center();
    return off.manhattanLength() <= 4;
  }
  static ui::WarriorWindow* innerSphereWarrior(ui::MainFrame& frame) {
    auto* w = frame.newWarrior();
    child<QScrollBar>(w, "vsPSkl")->setValue(2);  // 16 points
    w->tabs()->setCurrentIndex(3);
    return w;
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }

  void aWholeSpecialityFromPickMOSToDeleteMOS() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = innerSphereWarrior(frame);

    // "Pick Skill Packages": refusals in their order, then Field Medic through a
    // Basic University Package.
    QStringList seenInDialog, pickCaption;
    QList<SeenBox> refusals;
    bool pickerCentred = false, requiredCentred = false;
    whenModal<ui::SpecialityDialog>([&](ui::SpecialityDialog* d) {
      pickerCentred = centred(d);
      seenInDialog << d->windowTitle();
      auto* specialities = child<QListWidget>(d, "lstMOSFOS");
      clickEntry(specialities, "Scout");
      seenInDialog << labelText(d, "lblReq");
      clickEntry(specialities, "Field Medic");
      seenInDialog << labelText(d, "lblReq") << texts(child<QListWidget>(d, "lstReq"));
      answerMessageBoxes({QMessageBox::Ok}, &refusals);
      click(d, "cmdOk");  // no package type yet
      click(d, "cmdAdd");
      seenInDialog << texts(child<QListWidget>(d, "lstGReq"))
                   << texts(child<QListWidget>(d, "lstGElect"));
      child<QComboBox>(d, "cboPackage")->setCurrentIndex(3);  // Advanced University: 18
      answerMessageBoxes({QMessageBox::Ok}, &refusals);
      click(d, "cmdOk");
      child<QComboBox>(d, "cboPackage")->setCurrentIndex(2);  // Basic University: 12

      whenModal<ui::RequiredSkillDialog>([&](ui::RequiredSkillDialog* p) {
        requiredCentred = centred(p);
        pickCaption << p->windowTitle() << labelText(p, "lblCaption");
        answerMessageBoxes({QMessageBox::Ok}, &refusals);
        click(p, "cmdOk");  // nothing chosen
        clickEntry(child<QListWidget>(p, "lstReq"), "Medicine/Surgery");
        click(p, "cmdOk");
        if (p->isVisible()) p->reject();
      });
      click(d, "cmdOk");
      if (d->isVisible()) d->reject();
    });
    click(w, "cmdPickMOSFOS");

    QVERIFY(pickerCentred);
    QVERIFY(requiredCentred);
    QCOMPARE(seenInDialog, (QStringList{"Pick Skill Packages", "Required (2)", "Required (1)",
                                        "First Aid", "Medicine/Surgery", "Xenobiology", "First Aid",
                                        "Medicine/Surgery", "Xenobiology", "Driving/Ground Vehicle",
                                        "Instruction", "Investigation", "Swimming"}));
    QCOMPARE(pickCaption,
             (QStringList{"Pick Skills", "Please pick the 1 skills for Field Medic."}));
    QCOMPARE(refusals.size(), 3);
    QCOMPARE(refusals[0].text, QString("Please pick a package type"));
    QCOMPARE(refusals[1].text, QString("You don't have enough skill points to do this!"));
    QCOMPARE(refusals[2].text, QString("You need to select atleast 1 skills!"));

    // The required phase.
    QCOMPARE(labelText(w, "lblCurr"), QString("Picking required skills for Field Medic"));
    auto* choices = child<QTreeWidget>(w, "lvSkillLstIS");
    QCOMPARE(names(choices), (QStringList{"Medicine/Surgery", "Medtech", "Small Arms"}));
    QCOMPARE(rowTexts(w, "lvSkillLstIS", "Small Arms"), (QStringList{"Small Arms", "Physical"}));
    QCOMPARE(texts(child<QListWidget>(w, "lstPointsIS")),
             (QStringList{"2", "2", "2", "2", "1", "1", "1", "1"}));
    QVERIFY(!enabled(w, "cmdPickMOSFOS"));
    QVERIFY(!enabled(w, "cmdAddPackage"));
    QVERIFY(!enabled(w, "cmdDelPackage"));
    QVERIFY(enabled(w, "cmdChangeMOS"));

    SeenBox seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    click(w, "cmdAddPtIS");
    QCOMPARE(seen.text, QString("You must select the skill number in order to do this."));
    clickRow(w, "lvSkillLstIS", "Medtech");
    clickEntry(child<QListWidget>(w, "lstPointsIS"), 0);  // forgets the skill
    answerMessageBox(QMessageBox::Ok, &seen);
    click(w, "cmdAddPtIS");
    QCOMPARE(seen.text, QString("You must select the skill in order to do this."));

    give(w, 0, "Medicine/Surgery");
    give(w, 0, "Medtech");
    give(w, 0, "Small Arms");
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Medtech"), (QStringList{"Medtech", "2", "14"}));

    // The elective phase: the speciality's electives, then the six common ones.
    QCOMPARE(labelText(w, "lblCurr"), QString("Picking electives for Field Medic"));
    QCOMPARE(names(choices), (QStringList{"Driving/Ground Vehicle", "Instruction", "Investigation",
                                          "Swimming", "Bureaucracy", "Blade", "Leadership",
                                          "Support Weapons", "Survival", "Unarmed Combat"}));
    give(w, 0, "Investigation");
    for (const char* skill : {"Swimming", "Blade", "Survival"}) give(w, 0, skill);
    QCOMPARE(labelText(w, "lblCurr"), QString("Picking electives for Field Medic"));
    give(w, 0, "Leadership");

    // The level choices are used up: 16 - 12 free points and the whole catalogue again.
    QCOMPARE(labelText(w, "lblCurr"), QString("Picking any additional skills"));
    QCOMPARE(texts(child<QListWidget>(w, "lstPointsIS")), (QStringList{"1", "1", "1", "1"}));
    QVERIFY(choices->topLevelItemCount() > 60);
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 8);
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Investigation"), (QStringList{"Investigation", "2", "14"}));

    // "Delete MOS" asks, and then the area starts over.
    answerMessageBox(QMessageBox::Yes, &seen);
    click(w, "cmdChangeMOS");
    QCOMPARE(seen.text, QString("Are you sure you wish to delete the current MOS?  All of your "
                                "current skills will be erased."));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 0);
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 16);
    QVERIFY(enabled(w, "cmdPickMOSFOS"));
    QVERIFY(enabled(w, "cmdAddPackage"));
    QVERIFY(!enabled(w, "cmdChangeMOS"));
    QCOMPARE(labelText(w, "lblCurr"), QString());
  }

  void aPackageTakenRaisedAndDeletedAndACancelThatChangesNothing() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = innerSphereWarrior(frame);

    // Cancel first: the area goes on buying single levels.
    whenModal<ui::PackageDialog>([](ui::PackageDialog* d) { click(d, "cmdCancel"); });
    click(w, "cmdAddPackage");
    clickRow(w, "lvSkillLstIS", "Blade");
    click(w, "cmdAddPtIS");
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Blade"), (QStringList{"Blade", "1", "15"}));
    clickRow(w, "lvSkillsIS", "Blade");
    click(w, "cmdRemPtIS");
    answerMessageBox(QMessageBox::Ok);  // nothing left to select
    click(w, "cmdRemPtIS");             // the empty list opens the package choices again
    QVERIFY(enabled(w, "cmdAddPackage"));

    QList<SeenBox> refusals;
    QStringList shown;
    bool dialogCentred = false;
    whenModal<ui::PackageDialog>([&](ui::PackageDialog* d) {
      dialogCentred = centred(d);
      shown << d->windowTitle();
      answerMessageBoxes({QMessageBox::Ok}, &refusals);
      click(d, "cmdOk");
      auto* packages = child<QListWidget>(d, "lstPack");
      clickEntry(packages, "Officer Candidate School");
      shown << child<QLineEdit>(d, "txtCost")->text();
      answerMessageBoxes({QMessageBox::Ok}, &refusals);
      click(d, "cmdOk");
      clickEntry(packages, "Freight Hauler Crew");
      auto* skills = child<QTreeWidget>(d, "lstPackSkl");
      shown << skills->headerItem()->text(0) << skills->headerItem()->text(1)
            << child<QLineEdit>(d, "txtCost")->text() << skills->topLevelItem(0)->text(0)
            << skills->topLevelItem(0)->text(1);
      click(d, "cmdOk");
      if (d->isVisible()) d->reject();
    });
    click(w, "cmdAddPackage");
    QVERIFY(dialogCentred);
    QCOMPARE(shown,
             (QStringList{"Pick Package", "22", "Skill", "Level", "12", "Piloting/Dropship", "2"}));
    QCOMPARE(refusals.size(), 2);
    QCOMPARE(refusals[0].text, QString("You must select a package!"));
    QCOMPARE(refusals[1].text, QString("You don't have enough points to do that"));

    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 7);
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Merchant Dealing"),
             (QStringList{"Merchant Dealing", "2", "14"}));
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 4);
    QVERIFY(!enabled(w, "cmdPickMOSFOS"));
    QVERIFY(!enabled(w, "cmdAddPackage"));
    QVERIFY(enabled(w, "cmdDelPackage"));

    // A further level of a package skill costs its new level.
    clickRow(w, "lvSkillLstIS", "Merchant Dealing");
    click(w, "cmdAddPtIS");
    QCOMPARE(rowTexts(w, "lvSkillsIS", "Merchant Dealing"),
             (QStringList{"Merchant Dealing", "3", "13"}));
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 1);

    SeenBox seen;
    answerMessageBox(QMessageBox::Yes, &seen);
    click(w, "cmdDelPackage");
    QCOMPARE(seen.text, QString("Are you sure you wish to delete the current package?  All of "
                                "your current skills will be erased."));
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 0);
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 16);
    QVERIFY(enabled(w, "cmdAddPackage"));
    QVERIFY(enabled(w, "cmdPickMOSFOS"));
    QVERIFY(!enabled(w, "cmdDelPackage"));
  }

  void aWarriorSavedWhilePickingOpensInFreePurchase() {
    // The file keeps neither the level choices nor the choice list.
    AppState app;
    app.dataFolder = DRAKKENFOLD_DATA;
    ui::QtPrompter prompter;
    ui::QtFileChooser files;
    Warrior saved;
    saved.skillStage = 3;
    saved.mosName1 = "Scout";
    saved.packageName = "Basic Academy Package";
    saved.innerSphere().skills = {{"Stealth", "2", "14"}};
    ui::WarriorWindow w(app, prompter, files, warriorFromFile({saved, {}}, app, prompter));
    QCOMPARE(w.warrior().skillStage, std::int16_t{1});
    QCOMPARE(labelText(&w, "lblCurr"), QString("Picking any additional skills"));
    QVERIFY(child<QTreeWidget>(&w, "lvSkillLstIS")->topLevelItemCount() > 60);
    QCOMPARE(rowTexts(&w, "lvSkillsIS", "Stealth"), (QStringList{"Stealth", "2", "14"}));
    QVERIFY(enabled(&w, "cmdChangeMOS"));
  }

  void trainedLevelsComeOffForNothingBeforeAndAfterSaveAndOpen() {
    struct Training {
      const char* what;
      std::function<void(ScriptedFrame&, ui::WarriorWindow*)> take;
      const char *owned, *pool, *remove;
      int left;  // the pool once the training is taken: the grant less its price
    };
    const Training trainings[] = {
        {"speciality",
         [](ScriptedFrame& s, ui::WarriorWindow* w) {
           s.prompter.specialityAnswers = {
               SpecialityChoice{"MechWarrior",
                                1,
                                "",
                                0,
                                "Basic Academy Package",
                                {"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics"},
                                {"Tech/BattleMech"}}};
           click(w, "cmdPickMOSFOS");
           for (const char* skill : {"Gunnery/BattleMech", "Piloting/BattleMech", "Tactics",
                                     "Medtech", "Small Arms", "Tech/BattleMech"})
             give(w, 0, skill);  // 2, 2, 2, 1, 1, 1: worth 12 bought, for 9
         },
         "lvSkillsIS", "lstPointsIS", "cmdRemPtIS", 16 - 9},
        {"package",  // Street Survivor: worth 7 bought, for 6
         [](ScriptedFrame& s, ui::WarriorWindow* w) {
           s.prompter.packageAnswers = {1};
           click(w, "cmdAddPackage");
         },
         "lvSkillsIS", "lstPointsIS", "cmdRemPtIS", 16 - 6},
        {"clan package",  // the primary, worth 32 bought, for all 20 points
         [](ScriptedFrame& s, ui::WarriorWindow* w) {
           child<QScrollBar>(w, "vsPRace")->setValue(2);
           child<QScrollBar>(w, "vsPSkl")->setValue(3);
           s.prompter.yesNoAnswers = {true};
           click(w, "Command1");
         },
         "lvSkills", "lstPoints", "cmdRemPt", 0},
    };
    for (const Training& t : trainings) {
      ScriptedFrame s;
      ui::WarriorWindow* w = innerSphereWarrior(s.frame);
      t.take(s, w);
      const auto takeOff = [&](ui::WarriorWindow* window, int levels) {
        for (int i = 0; i < levels; ++i) {
          auto* owned = child<QTreeWidget>(window, t.owned);
          clickRow(owned, owned->topLevelItem(0)->text(0));
          click(window, t.remove);
          QVERIFY2(child<QListWidget>(window, t.pool)->count() == t.left, t.what);
        }
      };
      takeOff(w, 3);
      const QString path = s.own.folder.filePath("trained.war");
      s.files.answers << path;
      w->findChild<QAction*>("mnuSave")->trigger();
      ui::WarriorWindow* again = s.frame.openWarriorFiles({path}).value(0);
      QVERIFY2(again && child<QListWidget>(again, t.pool)->count() == t.left, t.what);
      again->tabs()->setCurrentIndex(3);
      takeOff(again, child<QTreeWidget>(again, t.owned)->topLevelItemCount());
    }
  }

  void theChoiceListOnScreenIsTheRecordsAfterEveryStep() {
    // What the screen holds is compared with a fresh drawing of each list, so a row left over
    // from before a step, or a row never drawn, shows.
    ScriptedFrame scripted;
    auto* w = innerSphereWarrior(scripted.frame);
    scripted.prompter.specialityAnswers = {SpecialityChoice{
        "Field Medic",
        1,
        "",
        0,
        "Basic Academy Package",
        {"Medicine/Surgery"},
        {"Investigation", "Swimming", "Instruction", "Driving/Ground Vehicle", "Tracking"}}};
    click(w, "cmdPickMOSFOS");
    QVERIFY(QTest::qWaitForWindowExposed(&scripted.frame));
    const auto onScreenAsDrawn = [w] {
      const QList<QWidget*> ports{child<QAbstractItemView>(w, "lvSkillLstIS")->viewport(),
                                  child<QAbstractItemView>(w, "lvSkillsIS")->viewport(),
                                  child<QAbstractItemView>(w, "lstPointsIS")->viewport()};
      const auto screen = [&ports] {
        QList<QImage> shown;
        for (QWidget* port : ports) {
          const QPoint at = port->mapTo(port->window(), QPoint());
          shown << port->screen()
                       ->grabWindow(port->window()->winId(), at.x(), at.y(), port->width(),
                                    port->height())
                       .toImage()
                       .convertToFormat(QImage::Format_RGB32);
        }
        return shown;
      };
      // The screen is read until it settles, before the lists are drawn afresh (which would
      // mend what is on screen).
      QList<QImage> shown = screen(), before;
      QElapsedTimer clock;
      clock.start();
      do {
        QTest::qWait(50);
        before = std::exchange(shown, screen());
      } while ((shown != before || clock.elapsed() < 200) && clock.elapsed() < 3000);
      for (int i = 0; i < ports.size(); ++i)
        if (shown[i] != ports[i]->grab().toImage().convertToFormat(QImage::Format_RGB32))
          return false;
      return true;
    };
    QVERIFY(onScreenAsDrawn());
    for (const char* skill : {"Medicine/Surgery", "Medtech", "Small Arms", "Investigation"}) {
      give(w, 0, skill);
      QVERIFY2(onScreenAsDrawn(), skill);
    }
  }
};

QTEST_MAIN(SpecialitiesTest)
#include "tst_specialities.moc"

// The "Priorities" and "Stats" pages driven through their real controls.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTreeWidget>

#include "UiTestHelpers.h"
#include "core/app/CheckWarrior.h"
#include "core/budget/Priorities.h"

using namespace dk;
using namespace dk::test;
using Texts = std::vector<std::string>;

class BudgetTest : public QObject {
  Q_OBJECT

  // The middle of the arrow that raises a bar's level by one: the up arrow, at the top.
  static QPoint raisingArrow(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    const QPoint centre =
        bar->style()
            ->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSubLine, bar)
            .center();
    const auto hit = bar->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &opt, centre, bar);
    if (hit != QStyle::SC_ScrollBarSubLine || centre.y() > bar->height() / 2)
      qWarning("no raising arrow at the top of %s", qPrintable(bar->objectName()));
    return centre;
  }
  static bool columnShown(QWidget* w, int column) {
    return !child<QCheckBox>(w, QString("Damage%1_0").arg(column).toLatin1())->isHidden();
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void raisingBuildUpdatesEverythingDerived() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    w->tabs()->setCurrentIndex(2);
    QCOMPARE(labelText(w, "lblFAtt"), QString("18"));
    QVERIFY(columnShown(w, 2));
    QVERIFY(!columnShown(w, 3));
    QVERIFY(child<QLabel>(w, "lblDam2")->isHidden());

    click(w, "cmdBldUp");
    QCOMPARE(labelText(w, "lblValBld"), QString("2"));
    QCOMPARE(labelText(w, "lblFAtt"), QString("11"));
    QCOMPARE(labelText(w, "lblAthVal"), QString("15"));
    QCOMPARE(labelText(w, "lblPhyVal"), QString("16"));
    QCOMPARE(labelText(w, "lblMentVal"), QString("16"));
    QCOMPARE(labelText(w, "lblSocVal"), QString("16"));
    QCOMPARE(child<QLineEdit>(w, "txtDTHead")->text(), QString("4"));
    QCOMPARE(child<QLineEdit>(w, "txtDTTorso")->text(), QString("12"));
    QCOMPARE(child<QLineEdit>(w, "txtDTArm")->text(), QString("6"));
    QCOMPARE(child<QLineEdit>(w, "txtDTLeg")->text(), QString("6"));
    for (int c = 1; c <= 4; ++c) QVERIFY(columnShown(w, c));
    QVERIFY(!columnShown(w, 5));
    QVERIFY(!child<QLabel>(w, "lblDam2")->isHidden());
    QVERIFY(child<QLabel>(w, "lblDam3")->isHidden());

    // Intuition costs two points; lowering gives them back.
    click(w, "cmdIntUp");
    QCOMPARE(labelText(w, "lblFAtt"), QString("9"));
    click(w, "cmdIntDown");
    QCOMPARE(labelText(w, "lblFAtt"), QString("11"));
  }

  void attributesLevelRefusalSpeaksThroughTheMessageBox() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    auto* bar = child<QScrollBar>(w, "vsPAtt");
    bar->setValue(1);  // 21 attribute points
    QCOMPARE(labelText(w, "lblattget"), QString("21"));
    QCOMPARE(labelText(w, "lblPL"), QString("9"));
    // Spend up to a weighted sum of 20, then try to drop to level 0 (18 points).
    for (int i = 0; i < 5; ++i) click(w, "cmdBldUp");
    for (int i = 0; i < 5; ++i) click(w, "cmdRefUp");
    for (int i = 0; i < 4; ++i) click(w, "cmdLrnUp");
    QCOMPARE(labelText(w, "lblFAtt"), QString("1"));
    QList<SeenBox> seen;
    answerMessageBoxes({QMessageBox::Ok}, &seen);
    bar->setValue(0);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text,
             QString("By doing this, you would put you wouldn't have enough points for you "
                     "current Attributes.  Please remove some attributes before doing this."));
    QCOMPARE(seen[0].icon, QMessageBox::Information);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(labelText(w, "lblPAttVal"), QString("1"));
    QCOMPARE(labelText(w, "lblattget"), QString("21"));
    QCOMPARE(labelText(w, "lblPL"), QString("9"));
  }

  void raceLevelFourBringsClanSkillsToTheFront() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    auto* areas = child<QGroupBox>(w, "fraIS")->parentWidget();
    auto* stack = qobject_cast<QStackedWidget*>(areas);
    QVERIFY(stack);
    QCOMPARE(stack->currentWidget()->objectName(), QString("fraIS"));
    child<QScrollBar>(w, "vsPRace")->setValue(4);
    QCOMPARE(labelText(w, "lblraceget"), QString("Clan Elemental"));
    QCOMPARE(labelText(w, "lblPRaceVal"), QString("4"));
    QCOMPARE(labelText(w, "lblPL"), QString("6"));
    QCOMPARE(stack->currentWidget()->objectName(), QString("fraClan"));
    QVERIFY(w->warrior().isClan);

    // The Elemental modifiers with their Toughness row and Build consequences.
    click(w, "cmdAddRacialMods");
    QCOMPARE(labelText(w, "lblValBld"), QString("3"));
    QCOMPARE(labelText(w, "lblValCha"), QString("0"));
    QVERIFY(!child<QAbstractButton>(w, "cmdAddRacialMods")->isEnabled());
    QVERIFY(child<QAbstractButton>(w, "cmdRemRacialMods")->isEnabled());
    QVERIFY(columnShown(w, 6));
    QVERIFY(!columnShown(w, 7));
    auto* adv = child<QTreeWidget>(w, "lvAdv");
    QCOMPARE(adv->topLevelItemCount(), 1);
    QCOMPARE(adv->topLevelItem(0)->text(0), QString("Toughness"));

    child<QScrollBar>(w, "vsPRace")->setValue(1);
    QCOMPARE(stack->currentWidget()->objectName(), QString("fraIS"));
    QCOMPARE(labelText(w, "lblValBld"), QString("1"));  // the Elemental modifiers came off
    QCOMPARE(adv->topLevelItemCount(), 0);
  }

  void becomingClanAfterTheSkillsPriorityFillsTheClanPool() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPSkl")->setValue(2);
    child<QScrollBar>(w, "vsPRace")->setValue(4);
    w->tabs()->setCurrentIndex(3);
    QCOMPARE(child<QListWidget>(w, "lstPoints")->count(), 16);
    s.prompter.yesNoAnswers = {true, true};
    click(w, "Command1");                             // the clan area's Add Package
    QCOMPARE(s.prompter.log.size(), std::size_t{1});  // the package question, no refusal
    QVERIFY(child<QTreeWidget>(w, "lvSkills")->topLevelItemCount() > 0);
    child<QScrollBar>(w, "vsPRace")->setValue(0);  // Yes to the reset: the Inner Sphere pool
    QCOMPARE(child<QListWidget>(w, "lstPointsIS")->count(), 16);
  }

  void noToTheRaceSkillResetPutsTheBarBack() {
    ScriptedFrame s;
    auto* w = s.skillsWarrior();
    clickRow(w, "lvSkillLstIS", "Blade");
    click(w, "cmdAddPtIS");
    auto* race = child<QScrollBar>(w, "vsPRace");
    s.prompter.yesNoAnswers = {false};
    race->setValue(2);
    QCOMPARE(race->value(), 0);
    QCOMPARE(labelText(w, "lblPRaceVal"), QString("0"));
    QCOMPARE(labelText(w, "lblraceget"), QString("Human"));
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 1);
  }

  void modifyPriorityPointsThroughTheInputBox() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPAtt")->setValue(4);
    child<QScrollBar>(w, "vsPSkl")->setValue(4);
    child<QScrollBar>(w, "vsPAdv")->setValue(2);
    QCOMPARE(labelText(w, "lblPL"), QString("0"));
    QCOMPARE(child<QScrollBar>(w, "vsPRace")->maximum(), 0);

    s.prompter.textAnswers = {std::string("15"), std::string("lots"), std::nullopt};
    w->findChild<QAction*>("mnuModifyPriority")->trigger();
    QCOMPARE(s.prompter.texts(), Texts{"Please enter the maximum number of Priority Points:"});
    QCOMPARE(labelText(w, "lblPL"), QString("15"));
    QCOMPARE(s.frame.appState().priorityMaximum, 15);
    child<QScrollBar>(w, "vsPAdv")->setValue(1);
    QCOMPARE(labelText(w, "lblPL"), QString("6"));
    QCOMPARE(child<QScrollBar>(w, "vsPRace")->maximum(), 4);

    // Not a whole number: our own message, nothing changes; Cancel changes nothing either.
    w->findChild<QAction*>("mnuModifyPriority")->trigger();
    w->findChild<QAction*>("mnuModifyPriority")->trigger();
    QVERIFY(QString::fromStdString(s.prompter.texts().at(2)).startsWith("Please enter a whole"));
    QCOMPARE(s.prompter.texts().size(), 4u);
    QCOMPARE(s.frame.appState().priorityMaximum, 15);
    QCOMPARE(labelText(w, "lblPL"), QString("6"));
  }

  void fillAndClearADamageRowWithHiddenColumns() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    w->tabs()->setCurrentIndex(2);
    click(w, "cmdBldUp");
    click(w, "cmdBldUp");  // BLD 3: columns 1 to 6
    click(w, "cmdFillDam_2");
    for (int c = 1; c <= 6; ++c)
      QVERIFY(child<QCheckBox>(w, QString("Damage%1_2").arg(c).toLatin1())->isChecked());
    for (int c = 0; c < kDamageColumns; ++c) QCOMPARE(w->warrior().damageBoxes[2][c], 1);
    QVERIFY(!child<QCheckBox>(w, "Damage1_1")->isChecked());
    // Raising Build shows columns that are already ticked.
    click(w, "cmdBldUp");
    click(w, "cmdBldUp");
    QVERIFY(columnShown(w, 10));
    QVERIFY(child<QCheckBox>(w, "Damage10_2")->isChecked());
    // A tick by hand goes into the record.
    QTest::mouseClick(child<QCheckBox>(w, "Damage1_0"), Qt::LeftButton);
    QCOMPARE(w->warrior().damageBoxes[0][0], 1);
    click(w, "cmdUnFillDam_2");
    for (int c = 0; c < kDamageColumns; ++c) QCOMPARE(w->warrior().damageBoxes[2][c], 0);
    QVERIFY(!child<QCheckBox>(w, "Damage10_2")->isChecked());
    QCOMPARE(w->warrior().damageBoxes[0][0], 1);
  }

  void exceptionalAttributeAsksAndAddsItsRow() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPAtt")->setValue(4);  // 30 attribute points
    for (int i = 0; i < 5; ++i) click(w, "cmdChaUp");
    QCOMPARE(labelText(w, "lblValCha"), QString("6"));
    // No advantage points yet: refused with its message.
    click(w, "cmdChaUp");
    QCOMPARE(labelText(w, "lblValCha"), QString("6"));

    child<QScrollBar>(w, "vsPAdv")->setValue(2);
    QCOMPARE(labelText(w, "lblPoints"), QString("2"));
    // No keeps everything; Yes takes the two points and adds the row.
    s.prompter.yesNoAnswers = {false, true};
    click(w, "cmdChaUp");
    QCOMPARE(labelText(w, "lblValCha"), QString("6"));
    click(w, "cmdChaUp");
    QCOMPARE(s.prompter.texts(),
             (Texts{"To do so you'd need exceptional attribute and you don't have enough points "
                    "for that, sorry",
                    "You will have to add exceptional attribute to do so, are you sure?",
                    "You will have to add exceptional attribute to do so, are you sure?"}));
    QCOMPARE(s.prompter.log[1].icon, MessageIcon::Question);
    QCOMPARE(labelText(w, "lblValCha"), QString("7"));
    QCOMPARE(labelText(w, "lblPoints"), QString("0"));
    QCOMPARE(labelText(w, "lblSocVal"), QString("10"));
    QCOMPARE(rowTexts(w, "lvAdv", "Exceptional Attribute"),
             (QStringList{"Exceptional Attribute", "2"}));
  }

  void anArrowPressThatAsksMovesTheLevelOneStepOnly() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    auto* bar = child<QScrollBar>(w, "vsPAdv");
    bar->setValue(1);
    w->tabs()->setCurrentIndex(4);
    auto* catalogue = child<QListWidget>(w, "lstAdv");
    catalogue->setCurrentItem(catalogue->findItems("Extra Edge", Qt::MatchExactly).first());
    click(w, "cmdAdvAdd");
    QCOMPARE(child<QTreeWidget>(w, "lvAdv")->topLevelItemCount(), 1);
    w->tabs()->setCurrentIndex(1);
    QCOMPARE(labelText(w, "lblPL"), QString("9"));

    // The press opens the question; the release goes to the box, not to the bar. Holding on
    // past the bar's repeat delay must not carry the level on.
    QList<SeenBox> seen;
    answerMessageBoxes({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes}, &seen);
    QTest::mousePress(bar, Qt::LeftButton, {}, raisingArrow(bar));
    QTest::qWait(1000);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, QString("This will reset your advantages.  Is this ok?"));
    QCOMPARE(bar->value(), 2);
    QCOMPARE(labelText(w, "lblPAdvVal"), QString("2"));
    QCOMPARE(labelText(w, "lblPL"), QString("8"));
    QCOMPARE(child<QTreeWidget>(w, "lvAdv")->topLevelItemCount(), 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, raisingArrow(bar));

    // An ordinary click still steps once, and the bar answers the next one.
    QTest::mouseClick(bar, Qt::LeftButton, {}, raisingArrow(bar));
    QCOMPARE(labelText(w, "lblPAdvVal"), QString("3"));
    QCOMPARE(labelText(w, "lblPL"), QString("7"));
  }

  // --- The budget cannot be gamed by a later priority change.
  static int pool(QWidget* w) { return child<QListWidget>(w, "lstPointsIS")->count(); }

  void boughtLevelsStayPaidForWhenTheSkillsPriorityChanges() {
    ScriptedFrame s;
    auto* w = s.skillsWarrior();
    clickRow(w, "lvSkillLstIS", "Blade");
    click(w, "cmdAddPtIS");
    QCOMPARE(pool(w), 15);
    child<QScrollBar>(w, "vsPSkl")->setValue(1);
    QCOMPARE(pool(w), 11);
    QCOMPARE(labelText(w, "lblPL"), QString("9"));
  }

  void aPackageMakesTheSkillsPriorityAskAndYesStartsOver() {
    ScriptedFrame s;
    auto* w = s.skillsWarrior();
    s.prompter.packageAnswers = {1};
    click(w, "cmdAddPackage");
    QVERIFY(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount() > 0);
    s.prompter.yesNoAnswers = {true};
    child<QScrollBar>(w, "vsPSkl")->setValue(3);
    QCOMPARE(s.prompter.texts().back(), std::string(kClanPackageResetQuestion));
    QCOMPARE(child<QTreeWidget>(w, "lvSkillsIS")->topLevelItemCount(), 0);
    QCOMPARE(pool(w), 20);
    QVERIFY(enabled(w, "cmdAddPackage") && !enabled(w, "cmdDelPackage"));
  }

  void noToTheAdvantagesQuestionPutsTheBarBackAndYesTakesTheMoneyBack() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    auto* bar = child<QScrollBar>(w, "vsPAdv");
    bar->setValue(3);
    w->tabs()->setCurrentIndex(4);
    clickEntry(child<QListWidget>(w, "lstAdv"), "Wealth");
    click(w, "cmdAdvAdd");
    QCOMPARE(field(w, "txtCBills"), QString("5000"));
    s.prompter.yesNoAnswers = {false, true};
    bar->setValue(1);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(labelText(w, "lblPAdvVal"), QString("3"));
    QCOMPARE(labelText(w, "lblPL"), QString("7"));
    bar->setValue(1);
    QCOMPARE(labelText(w, "lblPL"), QString("9"));
    QCOMPARE(field(w, "txtCBills"), QString("200"));
    QCOMPARE(child<QTreeWidget>(w, "lvAdv")->topLevelItemCount(), 0);
  }

  void racialModifiersNeitherMakeNorTakeAttributePoints() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPRace")->setValue(2);  // Clan Drakkenfold: REF +1, INT +1
    const auto freePoints = [w] { return labelText(w, "lblFAtt").toInt(); };
    click(w, "cmdAddRacialMods");
    for (const char* up : {"cmdBldUp", "cmdChaUp"})
      for (int i = 0; i < 5; ++i) click(w, up);
    click(w, "cmdLrnUp");
    QCOMPARE(freePoints(), 1);
    click(w, "cmdRemRacialMods");
    QCOMPARE(freePoints(), 1);
    click(w, "cmdRefUp");  // the last free point, not three
    QCOMPARE(freePoints(), 0);
    click(w, "cmdAddRacialMods");
    click(w, "cmdLrnUp");  // nothing is left to raise it with
    QCOMPARE(freePoints(), 0);
    QCOMPARE(labelText(w, "lblValLrn"), QString("2"));
    s.prompter.log.clear();
    w->findChild<QAction*>("mnuCheckWarrior")->trigger();
    QCOMPARE(QString::fromStdString(s.prompter.log.at(0).text), QString(kWarriorKeepsEveryRule));
  }

  void battleMechLevelZeroEmptiesTheVehicleType() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    auto* vehicle = child<QLineEdit>(w, "txtVP");
    QVERIFY(vehicle->isEnabled());
    child<QScrollBar>(w, "vsPBM")->setValue(3);
    QCOMPARE(labelText(w, "lblbmget"), QString("Heavy"));
    QTest::keyClicks(vehicle, "Marauder");
    child<QScrollBar>(w, "vsPBM")->setValue(0);
    QCOMPARE(vehicle->text(), QString());
    QVERIFY(!vehicle->isEnabled());
  }
};

QTEST_MAIN(BudgetTest)
#include "tst_budget.moc"

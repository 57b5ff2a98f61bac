// Keyboard and screen readers: every page of a warrior window is worked through with Tab alone,
// in the order it reads, and its fields, lists and arrow buttons tell a screen reader what
// they are.
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>

#include "UiTestHelpers.h"
#include "ui/QtPrompter.h"
#include "ui/dialogs/PackageDialog.h"
#include "ui/dialogs/RequiredSkillDialog.h"
#include "ui/dialogs/SkillPickerDialog.h"
#include "ui/dialogs/SpecialityDialog.h"

using namespace dk;
using namespace dk::test;

namespace {

// A control Tab should stop at: shown, usable and taking focus from Tab itself (a control that
// hands its focus to another, as the line inside an editable combo box, is reached as that one).
bool takesTab(const QWidget* w) {
  return w->isVisible() && w->isEnabled() && !w->focusProxy() &&
         (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

QString accessibleName(QObject* o) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(o);
  return face ? face->text(QAccessible::Name) : QString();
}

// Puts the focus on the page tabs, where it is when a window opens, and presses Tab until the
// focus leaves the page shown or comes to a control a second time; the object names of the
// controls it stopped at, in order.
QStringList walkWithTab(QWidget* pageTabs, QWidget* page) {
  pageTabs->setFocus(Qt::TabFocusReason);
  QTest::keyClick(pageTabs, Qt::Key_Tab);
  QStringList stops;
  QWidget* at = QApplication::focusWidget();
  while (at && page->isAncestorOf(at) && !stops.contains(at->objectName())) {
    stops << at->objectName();
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
  }
  return stops;
}

QStringList statsOrder() {
  QStringList order;
  for (const char* a : {"Bld", "Ref", "Int", "Lrn", "Cha"})
    order << QString("cmd%1Down").arg(a) << QString("cmd%1Up").arg(a);
  order << "cmdAddRacialMods"
        << "cmdRemRacialMods";
  for (int r = 0; r < kDamageRows; ++r) {
    for (int c = 1; c <= kDamageColumns; ++c) order << QString("Damage%1_%2").arg(c).arg(r);
    order << QString("cmdFillDam_%1").arg(r) << QString("cmdUnFillDam_%1").arg(r);
  }
  return order;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void tabReachesEveryControlOfAPageOnceInReadingOrder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("raceLevel");
    // Every control a page may show, in reading order; those hidden or disabled on a new
    // warrior are passed over by Tab and by the check alike.
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Warrior Info") << 0 << 0
                                  << QStringList{"txtName",       "txtRank",    "cboAffil",
                                                 "txtHP",         "cmdPlanets", "txtVP",
                                                 "txtCBills",     "txtECBills", "txtAssets",
                                                 "cmdTransMoney", "txtEdge",    "txtEdgeUsed",
                                                 "txtAP",         "txtSP",      "txtDTHead",
                                                 "txtDTTorso",    "txtDTArm",   "txtDTLeg"};
    QTest::newRow("Priorities") << 1 << 0
                                << QStringList{"vsPRace", "vsPAtt", "vsPSkl", "vsPAdv", "vsPBM"};
    QTest::newRow("Stats") << 2 << 0 << statsOrder();
    QTest::newRow("Skills, Inner Sphere")
        << 3 << 0 << QStringList{"lvSkillLstIS", "lvSkillsIS",    "lstPointsIS",
                                 "cmdAddPtIS",   "cmdRemPtIS",    "cmdPickMOSFOS",
                                 "cmdChangeMOS", "cmdAddPackage", "cmdDelPackage"};
    QTest::newRow("Skills, clan") << 3 << 4
                                  << QStringList{"lvSkillLst", "lvSkills", "lstPoints", "cmdAddPt",
                                                 "cmdRemPt",   "Command1", "Command2"};
    QTest::newRow("Advantages") << 4 << 0
                                << QStringList{"lstAdv", "cmdAdvAdd", "cmdAdvRem", "lvAdv"};
    QTest::newRow("Weapons") << 5 << 0
                             << QStringList{"lstWeapList", "cmdAddWeap", "cmdRemWeap", "lvWeap"};
    QTest::newRow("Equipment") << 6 << 0
                               << QStringList{"lstEqptList", "cmdAddEqpt", "cmdRemEqpt", "lvEqpt"};
    QTest::newRow("Notes") << 7 << 0 << QStringList{"txtNotes"};
    QTest::newRow("Personal Information")
        << 8 << 0 << QStringList{"txtAge",       "cboSex",      "txtHeight", "txtWeight",
                                 "txtHairColor", "txtEyeColor", "txtNation", "txtDOB",
                                 "txtPOB",       "txtNumSibb",  "txtHW"};
  }

  void tabReachesEveryControlOfAPageOnceInReadingOrder() {
    QFETCH(int, page);
    QFETCH(int, raceLevel);
    QFETCH(QStringList, order);
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    if (raceLevel) child<QScrollBar>(w, "vsPRace")->setValue(raceLevel);
    w->tabs()->setCurrentIndex(page);
    QWidget* shown = w->tabs()->currentWidget();

    QStringList expected;
    for (const QString& name : order) {
      auto* control = shown->findChild<QWidget*>(name);
      QVERIFY2(control, qPrintable(name));
      if (takesTab(control)) expected << name;
    }
    QVERIFY(!expected.isEmpty());
    // Nothing on the page that Tab should reach is missing from the list above.
    QSet<QString> onPage;
    for (QWidget* control : shown->findChildren<QWidget*>())
      if (takesTab(control)) onPage << control->objectName();
    QCOMPARE(onPage, QSet<QString>(expected.begin(), expected.end()));

    auto* pageTabs = child<QWidget>(w, "tabWarriorRows");
    QCOMPARE(walkWithTab(pageTabs, shown), expected);
    // Tab from the last control leads back to the page tabs; no box keeps it for itself.
    QCOMPARE(QApplication::focusWidget(), pageTabs);
    // Shift+Tab goes the other way round.
    QTest::keyClick(pageTabs, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.last());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    if (expected.size() > 1)
      QCOMPARE(QApplication::focusWidget()->objectName(), expected[expected.size() - 2]);
  }

  void priorityBarsAnswerTheArrowKeys() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    w->tabs()->setCurrentIndex(1);
    auto* bar = child<QScrollBar>(w, "vsPSkl");
    bar->setFocus(Qt::TabFocusReason);
    // Up raises, as the up arrow does.
    QTest::keyClick(bar, Qt::Key_Up);
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(child<QLabel>(w, "lblPSklVal")->text(), QString("2"));
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(child<QLabel>(w, "lblPSklVal")->text(), QString("1"));
  }

  void everyCaptionOfWarriorInfoNamesItsField() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    const auto labels = child<QWidget>(w, "tabWarriorInfo")->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 16);
    for (QLabel* label : labels) {
      QVERIFY2(label->buddy(), qPrintable(label->text()));
      QCOMPARE(accessibleName(label->buddy()), label->text());
    }
    QCOMPARE(accessibleName(child<QWidget>(w, "txtCBills")), QString("C-Bills"));
    QCOMPARE(accessibleName(child<QWidget>(w, "txtAssets")), QString("Asset Worth"));
    QCOMPARE(accessibleName(child<QWidget>(w, "txtHP")), QString("Home Planet:"));
  }

  void listsBarsAndArrowButtonsSayWhatTheyAre_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    const QList<std::pair<const char*, const char*>> rows{
        {"cmdPlanets", "Pick the home planet from the planet list"},
        {"vsPRace", "Race priority"},
        {"vsPBM", "BattleMech priority"},
        {"cmdBldUp", "Raise Build"},
        {"cmdChaDown", "Lower Charisma"},
        {"Damage3_1", "Fair damage box 3"},
        {"cmdFillDam_4", "Tick every Critical damage box"},
        {"lvSkillLstIS", "Inner Sphere skill list"},
        {"lvSkillsIS", "Inner Sphere skills owned"},
        {"lstPointsIS", "Inner Sphere skill points left"},
        {"lvSkills", "Clan skills owned"},
        {"cmdAddPtIS", "Add a point to the skill"},
        {"cmdRemPt", "Remove a point from the skill"},
        {"lstAdv", "Advantages to choose from"},
        {"lvAdv", "Advantages taken"},
        {"lstWeapList", "Weapons for sale"},
        {"lvEqpt", "Equipment owned"},
        {"cmdRemEqpt", "Remove"},
        {"txtNotes", "Notes"},
    };
    for (const auto& [name, spoken] : rows) QTest::newRow(name) << name << spoken;
  }

  void listsBarsAndArrowButtonsSayWhatTheyAre() {
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(accessibleName(control), spoken);
  }

  void listsOfThePickersSayWhatTheyAre() {
    ui::QtPrompter prompter;
    ui::SkillPickerDialog skills({"Gunnery/Mech"}, prompter);
    QCOMPARE(accessibleName(child<QWidget>(&skills, "lstSkill")), QString("Skills"));

    ui::RequiredSkillDialog required({"Pick 2 of these skills", {"Piloting/Mech"}, 2}, prompter);
    QCOMPARE(accessibleName(child<QWidget>(&required, "lstReq")),
             QString("Pick 2 of these skills"));

    ui::PackageDialog packages({}, 10, prompter);
    QCOMPARE(accessibleName(child<QWidget>(&packages, "lstPack")), QString("Package Name"));
    QCOMPARE(accessibleName(child<QWidget>(&packages, "txtCost")), QString("Cost:"));

    ui::SpecialityDialog specialities({}, 10, prompter);
    for (const auto& [name, spoken] :
         QList<std::pair<const char*, QString>>{{"lstMOSFOS", "MOS/FOS:"},
                                                {"lstReq", "Required"},
                                                {"lstElect", "Electives"},
                                                {"lstGReq", "Current required skills"},
                                                {"lstGElect", "Current elective skills"},
                                                {"cboPackage", "Package Type:"}})
      QCOMPARE(accessibleName(child<QWidget>(&specialities, name)), spoken);
  }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"

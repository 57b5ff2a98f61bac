// The "Advantages" page, "Modify C-Bills" and the planet list driven through their real
// controls, dialogs and boxes.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "UiTestHelpers.h"

using namespace dk;
using namespace dk::test;
using Texts = std::vector<std::string>;

class AdvantagesTest : public QObject {
  Q_OBJECT

  static QStringList rows(QTreeWidget* view) {
    QStringList out;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
      out << view->topLevelItem(i)->text(0) + "=" + view->topLevelItem(i)->text(1);
    return out;
  }
  static QAction* action(QWidget* w, const char* name) {
    return w->findChild<QAction*>(QString::fromLatin1(name));
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void buyingEdgeAndMoneyThenResetting() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    child<QScrollBar>(w, "vsPAdv")->setValue(3);
    w->tabs()->setCurrentIndex(4);
    auto* catalogue = child<QListWidget>(w, "lstAdv");
    QCOMPARE(catalogue->count(), 16);
    QCOMPARE(catalogue->item(5)->text(), QString("EI Neural Implant"));
    const QString granted = child<QLabel>(w, "lblPoints")->text();
    QCOMPARE(granted, QString("3"));

    // Nothing selected: nothing happens, no box.
    click(w, "cmdAdvAdd");
    QCOMPARE(rows(child<QTreeWidget>(w, "lvAdv")), QStringList{});

    clickEntry(catalogue, "Extra Edge");
    click(w, "cmdAdvAdd");
    clickEntry(catalogue, "Wealth");
    click(w, "cmdAdvAdd");
    clickEntry(catalogue, "Well-Equipped");
    QTest::mouseDClick(catalogue->viewport(), Qt::LeftButton, {},
                       catalogue->visualItemRect(catalogue->currentItem()).center());
    QCOMPARE(rows(child<QTreeWidget>(w, "lvAdv")),
             (QStringList{"Extra Edge=1", "Wealth=1", "Well-Equipped=1"}));
    QCOMPARE(child<QLabel>(w, "lblPoints")->text(), QString("0"));
    QCOMPARE(field(w, "txtEdge"), QString("2"));
    QCOMPARE(field(w, "txtCBills"), QString("5000"));
    QCOMPARE(field(w, "txtECBills"), QString("1000"));

    s.prompter.yesNoAnswers = {false, true};
    click(w, "cmdAdvAdd");
    click(w, "cmdAdvRem");
    QCOMPARE(s.prompter.texts(), (Texts{"You don't have enough points", "Are you sure?"}));
    QCOMPARE(s.prompter.log[0].icon, MessageIcon::Information);
    QCOMPARE(s.prompter.log[1].icon, MessageIcon::Question);
    QCOMPARE(rows(child<QTreeWidget>(w, "lvAdv")).size(), 3);

    click(w, "cmdAdvRem");
    QCOMPARE(rows(child<QTreeWidget>(w, "lvAdv")), QStringList{});
    QCOMPARE(child<QLabel>(w, "lblPoints")->text(), QString("3"));
    QCOMPARE(field(w, "txtCBills"), QString("200"));
    QCOMPARE(field(w, "txtECBills"), QString("500"));
    QCOMPARE(field(w, "txtEdge"), QString("1"));  // Extra Edge went with the rest
  }

  void modifyCBillsThroughTheInputBox() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    QAction* modify = action(w, "mnuModifyCBills");
    QVERIFY(modify && modify->isEnabled());
    s.prompter.textAnswers = {std::string("1500"), std::string("a fortune"), std::nullopt,
                              std::string("12.5")};
    modify->trigger();
    QCOMPARE(field(w, "txtCBills"), QString("1500"));
    for (auto* label : w->findChildren<QLabel*>("lblCBLeft"))
      QCOMPARE(label->text(), QString("500"));
    modify->trigger();
    modify->trigger();
    QCOMPARE(s.prompter.texts(),
             (Texts{"Please enter the amount of C-Bills", "Please enter the amount of C-Bills",
                    "\"a fortune\" is not an amount of C-Bills. Please enter a number such as "
                    "1500.",
                    "Please enter the amount of C-Bills"}));
    QCOMPARE(field(w, "txtCBills"), QString("1500"));

    click(w, "cmdTransMoney");
    modify->trigger();
    QCOMPARE(field(w, "txtCBills"), QString("12"));  // shown, counted and saved as 12
    QCOMPARE(w->warrior().cBills, 12);
    for (auto* label : w->findChildren<QLabel*>("lblCBLeft"))
      QCOMPARE(label->text(), QString("12"));
  }

  void thePlanetListFillsTheHomePlanet() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    auto* home = child<QLineEdit>(w, "txtHP");
    home->setText("Typed Rock");
    QCOMPARE(w->warrior().homePlanet, std::string("Typed Rock"));
    QCOMPARE(child<QComboBox>(w, "cboAffil")->count(), 34);

    // Ok with nothing selected: the box, and the list stays open; then pick the second name.
    QString second;
    SeenBox seen;
    whenModal<QDialog>([&](QDialog* dialog) {
      QCOMPARE(dialog->objectName(), QString("frmPlanetList"));
      QCOMPARE(dialog->windowTitle(), QString("Planet List"));
      auto* list = child<QListWidget>(dialog, "lstPlanets");
      QVERIFY(list->count() > 200);
      second = list->item(1)->text();
      answerMessageBox(QMessageBox::Ok, &seen);
      child<QPushButton>(dialog, "cmdOk")->click();
      QVERIFY(dialog->isVisible());
      list->setCurrentRow(1);
      child<QPushButton>(dialog, "cmdOk")->click();
    });
    click(w, "cmdPlanets");
    QCOMPARE(seen.text, QString("Please select a planet first"));
    QCOMPARE(home->text(), second);

    // Closed without Ok: the home planet stays.
    whenModal<QDialog>([](QDialog* dialog) {
      child<QListWidget>(dialog, "lstPlanets")->setCurrentRow(3);
      dialog->reject();
    });
    click(w, "cmdPlanets");
    QCOMPARE(home->text(), second);
  }
};

QTEST_MAIN(AdvantagesTest)
#include "tst_advantages.moc"

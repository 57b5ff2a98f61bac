// The "Weapons" and "Equipment" pages driven through their real controls.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "TestPaths.h"
#include "UiTestHelpers.h"

using namespace dk;
using namespace dk::test;

class GearTest : public QObject {
  Q_OBJECT

  static QStringList purses(QWidget* w) {
    QStringList out;
    for (auto* label : w->findChildren<QLabel*>("lblCBLeft")) out << label->text();
    return out;
  }

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void buyTwoReturnOneAndTheMoneyFollows() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    w->tabs()->setCurrentIndex(5);
    auto* catalogue = child<QTreeWidget>(w, "lstWeapList");
    auto* owned = child<QTreeWidget>(w, "lvWeap");
    QCOMPARE(catalogue->headerItem()->text(2), QString("Cost"));
    QCOMPARE(owned->headerItem()->text(1), QString("###"));
    QCOMPARE(purses(w), (QStringList{"500", "500"}));

    clickRow(catalogue, "Halloran Service Pistol");  // 60 C-Bills
    click(w, "cmdAddWeap");
    click(w, "cmdAddWeap");
    QCOMPARE(owned->topLevelItemCount(), 1);
    QCOMPARE(owned->topLevelItem(0)->text(1), QString("2"));
    // The numbers stand right; the names left.
    for (auto [item, column] :
         {std::pair{catalogue->topLevelItem(0), 2}, {owned->topLevelItem(0), 1}})
      QCOMPARE(item->textAlignment(column) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    QCOMPARE(owned->topLevelItem(0)->textAlignment(0) & Qt::AlignRight, 0);
    QCOMPARE(field(w, "txtECBills"), QString("380"));
    QCOMPARE(field(w, "txtAssets"), QString("120"));
    QCOMPARE(purses(w), (QStringList{"380", "380"}));

    clickRow(owned, "Halloran Service Pistol");
    click(w, "cmdRemWeap");
    QCOMPARE(owned->topLevelItem(0)->text(1), QString("1"));
    // The refund goes to the C-Bills; the gear tabs keep showing the equipment C-Bills.
    QCOMPARE(field(w, "txtCBills"), QString("260"));
    QCOMPARE(field(w, "txtECBills"), QString("380"));
    QCOMPARE(field(w, "txtAssets"), QString("60"));
    QCOMPARE(purses(w), (QStringList{"380", "380"}));

    // Returned by a double click: the row goes and a further Remove asks for a selection only
    // when there is something left to remove.
    clickRow(owned, "Halloran Service Pistol", true);
    QCOMPARE(owned->topLevelItemCount(), 0);
    QCOMPARE(field(w, "txtCBills"), QString("320"));
    QCOMPARE(w->warrior().selections.weapon, std::string());
  }

  void aCatalogueBehindAnotherPageFitsItsTextsOnceShown() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    QApplication::processEvents();  // painted with its first page in front
    auto* catalogue = child<QTreeWidget>(w, "lstWeapList");
    w->tabs()->setCurrentIndex(5);
    for (int column : {1, 2})
      for (int i = 0; i < catalogue->topLevelItemCount(); ++i)
        QVERIFY(catalogue->columnWidth(column) > catalogue->fontMetrics().horizontalAdvance(
                                                     catalogue->topLevelItem(i)->text(column)));
  }
  void refusalsSpeakThroughTheMessageBox() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = frame.newWarrior();
    w->tabs()->setCurrentIndex(6);
    SeenBox seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    click(w, "cmdAddEqpt");
    QCOMPARE(seen.text, QString("Please select a piece of Equipment to add."));

    clickRow(child<QTreeWidget>(w, "lstEqptList"), "Hardshell Full Suit");  // 1300
    answerMessageBox(QMessageBox::Ok, &seen);
    click(w, "cmdAddEqpt");
    QCOMPARE(seen.text, QString("Not enough C-Bills."));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.title, QString("Drakkenfold Character Generator"));
    QCOMPARE(child<QTreeWidget>(w, "lvEqpt")->topLevelItemCount(), 0);
    QCOMPARE(field(w, "txtECBills"), QString("500"));

    // A double click on a catalogue row buys it.
    clickRow(child<QTreeWidget>(w, "lstEqptList"), "Backpack", true);
    QCOMPARE(child<QTreeWidget>(w, "lvEqpt")->topLevelItem(0)->text(0), QString("Backpack"));
    QCOMPARE(purses(w), (QStringList{"485", "485"}));
  }

  void aHeaderClickSortsByThatColumn() {
    ScriptedFrame s;
    auto* w = s.newWarrior();
    w->tabs()->setCurrentIndex(5);
    auto* catalogue = child<QTreeWidget>(w, "lstWeapList");
    QCOMPARE(catalogue->topLevelItem(0)->text(0), QString("Halloran Service Pistol"));
    QCOMPARE(catalogue->topLevelItem(1)->text(0), QString("Halloran Service Pistol (Ammo)"));
    catalogue->header()->sectionClicked(2);
    // Costs sort as numbers: the cheapest first, the dearest last.
    double last = -1;
    for (int i = 0; i < catalogue->topLevelItemCount(); ++i) {
      const double cost = catalogue->topLevelItem(i)->text(2).toDouble();
      QVERIFY(cost >= last);
      last = cost;
    }
    QCOMPARE(last, 7600.0);
  }

  void aMissingCatalogueIsToldOnceAndTheWindowStillOpens() {
    QTemporaryDir dir;
    QVERIFY(QFile::copy((QString(DRAKKENFOLD_DATA) + "/equipt.dat"), dir.filePath("equipt.dat")));
    QVERIFY(QFile::copy((QString(DRAKKENFOLD_DATA) + "/skills.dat"), dir.filePath("skills.dat")));
    OwnPlaces own;
    FakePrompter prompter;
    FakeFileChooser files;
    ui::MainFrame frame(prompter, files, own.places(dir.path()));
    frame.show();
    auto* w = frame.newWarrior();
    QVERIFY(w);
    QCOMPARE(prompter.log.size(), 1u);  // told once
    QVERIFY(QString::fromStdString(prompter.log[0].text)
                .startsWith("The data file \"weapons.dat\" could not be read"));
    QCOMPARE(child<QTreeWidget>(w, "lstWeapList")->topLevelItemCount(), 0);
    QVERIFY(child<QTreeWidget>(w, "lstEqptList")->topLevelItemCount() > 100);
  }
};

QTEST_MAIN(GearTest)
#include "tst_gear.moc"

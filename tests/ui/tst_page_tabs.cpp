// Every page of a warrior window is one click away: at the window's starting size all nine
// captions show at once, in rows above the pages.
#include <QAccessible>
#include <QTabBar>

#include "UiTestHelpers.h"
#include "ui/PageTabRows.h"

using namespace dk;
using namespace dk::test;

class PageTabsTest : public QObject {
  Q_OBJECT

  // Checks that every caption of the window's tabs is whole and unhidden at the current size,
  // and that a click on it brings its page to the front.
  static void checkEveryPageOneClickAway(ui::WarriorWindow* w) {
    auto* tabs = child<QTabWidget>(w, "tabWarrior");
    auto* rows = child<ui::PageTabRows>(w, "tabWarriorRows");
    QVERIFY(tabs && rows);
    QCOMPARE(tabs->count(), 9);
    QVERIFY(rows->isVisible());
    QVERIFY(!tabs->tabBar()->isVisible());
    QVERIFY(rows->geometry().bottom() <= tabs->geometry().top());
    QRect seen;
    for (int i = 0; i < tabs->count(); ++i) {
      const QRect r = rows->tabRect(i);
      const QString what = tabs->tabText(i);
      QVERIFY2(rows->rect().contains(r), qPrintable(what));
      QVERIFY2(!seen.intersects(r) || seen.isNull(), qPrintable(what));
      const int textWidth = rows->fontMetrics().horizontalAdvance(what);
      QVERIFY2(r.width() > textWidth, qPrintable(what));
      for (int j = 0; j < i; ++j) QVERIFY2(!rows->tabRect(j).intersects(r), qPrintable(what));
    }
    for (int i : {8, 0, 5, 4}) {
      QTest::mouseClick(rows, Qt::LeftButton, {}, rows->tabRect(i).center());
      QCOMPARE(tabs->currentIndex(), i);
      // The chosen tab's row stands next to the pages.
      QCOMPARE(rows->tabRect(i).bottom(), rows->rect().bottom());
    }
  }

 private slots:
  void everyCaptionShowsAtTheStartingSizes() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* first = frame.newWarrior();   // the first window's size
    auto* second = frame.newWarrior();  // every later window's size
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    checkEveryPageOneClickAway(first);
    checkEveryPageOneClickAway(second);
    auto* rows = child<ui::PageTabRows>(first, "tabWarriorRows");
    QCOMPARE(rows->rowCount(rows->width()), 2);
  }

  void theFocusFrameStaysInsideTheChosenTab() {
    ScriptedFrame s;
    s.frame.newWarrior();
    auto* w = s.frame.newWarrior();
    auto* rows = child<ui::PageTabRows>(w, "tabWarriorRows");
    QVERIFY(QTest::qWaitForWindowExposed(&s.frame));
    w->findChild<QLineEdit*>("txtName")->setFocus();
    const QImage before = rows->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);  // from the page's first field
    QVERIFY(rows->hasFocus());
    QImage after = rows->grab().toImage();
    QVERIFY(after != before);  // the frame is drawn
    // Outside the chosen tab nothing changes.
    const QRect chosen = rows->tabRect(w->tabs()->currentIndex());
    const qreal ratio = after.devicePixelRatio();
    for (int y = 0; y < after.height(); ++y)
      for (int x = 0; x < after.width(); ++x)
        if (!chosen.contains(QPoint(x, y) / ratio) && after.pixel(x, y) != before.pixel(x, y))
          QFAIL(qPrintable(QString("the focus frame reaches %1,%2 outside the tab").arg(x).arg(y)));
  }

  void rowsFollowTheWidth() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* rows = child<ui::PageTabRows>(w, "tabWarriorRows");
    QVERIFY(rows->rowCount(3000) == 1);
    QVERIFY(rows->rowCount(200) > 2);
    QCOMPARE(rows->heightForWidth(3000) * 2, rows->heightForWidth(rows->width()));
    // Widened, the window shows its tabs in one row; the pages below get the room.
    subWindowOf(w)->resize(2600, subWindowOf(w)->height());
    QTRY_COMPARE(rows->height(), rows->heightForWidth(3000));
    checkEveryPageOneClickAway(w);
    // A new caption and a larger font are measured anew.
    auto* tabs = child<QTabWidget>(w, "tabWarrior");
    const QString caption = tabs->tabText(0);
    tabs->setTabText(0, caption.repeated(40));
    QVERIFY(rows->rowCount(1500) > 1);
    tabs->setTabText(0, caption);
    QCOMPARE(rows->rowCount(1500), 1);
    QFont larger = rows->font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() * 5);
    rows->setFont(larger);
    QVERIFY(rows->rowCount(1500) > 1);
  }

  void keysOfATabBarStepThroughThePages() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* tabs = child<QTabWidget>(w, "tabWarrior");
    auto* rows = child<ui::PageTabRows>(w, "tabWarriorRows");
    QCOMPARE(rows->focusPolicy(), Qt::TabFocus);
    tabs->setCurrentIndex(3);
    QTest::keyClick(rows, Qt::Key_Right);
    QCOMPARE(tabs->currentIndex(), 4);
    QTest::keyClick(rows, Qt::Key_Left);
    QTest::keyClick(rows, Qt::Key_Left);
    QCOMPARE(tabs->currentIndex(), 2);
    QTest::keyClick(rows, Qt::Key_End);
    QCOMPARE(tabs->currentIndex(), 8);
    QTest::keyClick(rows, Qt::Key_Right);  // stays at the last page
    QCOMPARE(tabs->currentIndex(), 8);
    QTest::keyClick(rows, Qt::Key_Home);
    QCOMPARE(tabs->currentIndex(), 0);
  }

  void screenReadersSeeAPageTabList() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* w = frame.newWarrior();
    auto* tabs = child<QTabWidget>(w, "tabWarrior");
    auto* rows = child<ui::PageTabRows>(w, "tabWarriorRows");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(rows);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), 9);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
      QAccessibleInterface* tab = list->child(i);
      QCOMPARE(tab->role(), QAccessible::PageTab);
      QCOMPARE(list->indexOfChild(tab), i);
      QCOMPARE(tab->state().selected, i == 0);
      names << tab->text(QAccessible::Name);
    }
    QCOMPARE(names, (QStringList{"Warrior Info", "Priorities", "Stats", "Skills", "Advantages",
                                 "Weapons", "Equipment", "Notes", "Personal Information"}));
    QAccessibleInterface* personal = list->child(8);
    personal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tabs->currentIndex(), 8);
    QVERIFY(personal->state().selected);
    QCOMPARE(list->childAt(personal->rect().center().x(), personal->rect().center().y()), personal);
  }
};

QTEST_MAIN(PageTabsTest)
#include "tst_page_tabs.moc"

// The print preview, printing and the PDF file, through the real windows and choosers.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "UiTestHelpers.h"
#include "core/printing/PrintMessages.h"
#include "ui/print/PrintPreview.h"

using namespace dk;
using namespace dk::test;

namespace {
QStringList seenFilters;

void answerFileDialog(const QString& path) {
  whenModal<QFileDialog>([path](QFileDialog* dialog) {
    seenFilters = dialog->nameFilters();
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    if (!name || !buttons) return dialog->reject();
    name->setText(path);
    buttons->button(QDialogButtonBox::Save)->click();
  });
}

ui::PrintPreview* openPreviews() {
  ui::PrintPreview* found = nullptr;
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmPrintPreview" && w->isVisible()) {
      found = qobject_cast<ui::PrintPreview*>(w);
      ++count;
    }
  return count == 1 ? found : nullptr;
}

int visiblePreviewCount() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmPrintPreview" && w->isVisible()) ++count;
  return count;
}

bool shows(ui::PrintPreview* preview, const QString& text) {
  for (const auto& page : child<ui::PageView>(preview, "vsPrinter1")->document().pages)
    for (const auto& t : page.texts)
      if (t.text == text) return true;
  return false;
}

ui::WarriorWindow* named(ui::MainFrame& frame, const QString& name) {
  auto* w = frame.newWarrior();
  child<QLineEdit>(w, "txtName")->setText(name);
  return w;
}

void print(ui::WarriorWindow* w) { w->findChild<QAction*>("mnuPrint")->trigger(); }

// Words of a PDF page with their top-left corners in points, from pdftotext -bbox.
QMap<QString, QPointF> pdfWords(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
  p.waitForFinished(10000);
  QMap<QString, QPointF> out;
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
  for (auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
    const auto m = it.next();
    if (!out.contains(m.captured(3)))
      out.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
  }
  return out;
}
}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

 private slots:
  void cleanup() { disarmBoxWatchers(); }
  void sheetFontIsFixedPitchAt108TwipsACharacter() {
    const QFont font = ui::sheetQFont({});
    // Liberation Mono stands in for Courier New with the same metrics: 1229/2048 of 180 twips.
    const double advance = QFontMetricsF(font).horizontalAdvance("MMMMMMMMMM") / 10;
    QVERIFY2(qAbs(advance - 108.0) < 0.05, qPrintable(QString::number(advance)));
    QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
  }

  void printShowsOnePreviewThatTheNextWarriorReuses() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* ada = named(frame, "Ada Varga");
    auto* bren = named(frame, "Bren Sato");
    QVERIFY(ada->findChild<QAction*>("mnuPrintSetup")->isEnabled());
    QCOMPARE(ada->findChild<QAction*>("mnuPrint")->shortcut(), QKeySequence("Ctrl+P"));

    print(ada);
    auto* preview = openPreviews();
    QVERIFY(preview);
    QVERIFY(preview->isWindow());
    QCOMPARE(preview->windowTitle(), QString("Print Preview"));
    QVERIFY(!preview->isModal());
    QCOMPARE(preview->property("tag").toString(), QString("1"));
    QVERIFY(shows(preview, ": Ada Varga"));
    QCOMPARE(child<ui::PageView>(preview, "vsPrinter1")->document().name, QString("Ada Varga"));
    // The warrior window stays usable while the preview is open.
    child<QLineEdit>(ada, "txtRank")->setText("Captain");
    QCOMPARE(ada->warrior().rank, std::string("Captain"));

    print(bren);
    QCOMPARE(openPreviews(), preview);
    QCOMPARE(preview->property("tag").toString(), QString("2"));
    QVERIFY(shows(preview, ": Bren Sato"));
    QVERIFY(!shows(preview, ": Ada Varga"));

    // The controls stand inside the window, none of them cut off.
    for (const char* name :
         {"vsPrinter1", "Combo1", "Label1", "cmdCancel", "cmdPrint", "cmdSavePdf"}) {
      QWidget* c = child<QWidget>(preview, name);
      QVERIFY2(preview->rect().contains(c->geometry()), name);
      QVERIFY2(c->width() >= c->minimumSizeHint().width(), name);
    }
    QCOMPARE(child<QLabel>(preview, "Label1")->text(), QString("% Zoom"));

    child<QPushButton>(preview, "cmdCancel")->click();
    QCOMPARE(visiblePreviewCount(), 0);
    QTRY_VERIFY(frame.printPreview() == nullptr);  // the next "&Print" makes it anew
    print(ada);
    QVERIFY(openPreviews());
    QVERIFY(shows(openPreviews(), "Rank"));
    QVERIFY(shows(openPreviews(), ": Captain"));
  }

  void zoomListSetsThePageSize() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    print(frame.newWarrior());
    auto* preview = openPreviews();
    auto* zoom = child<QComboBox>(preview, "Combo1");
    auto* view = child<ui::PageView>(preview, "vsPrinter1");
    QStringList items;
    for (int i = 0; i < zoom->count(); ++i) items << zoom->itemText(i);
    QCOMPARE(items, (QStringList{"10", "15", "30", "50", "75", "100", "110", "130", "150", "200"}));
    QCOMPARE(zoom->currentText(), QString("50"));
    QCOMPARE(view->zoom(), 50);
    const int half = view->pageSizeOnScreen().width();
    zoom->setCurrentText("200");
    QCOMPARE(view->zoom(), 200);
    QVERIFY(qAbs(view->pageSizeOnScreen().width() - 4 * half) <= 2);
    zoom->setCurrentText("10");
    QVERIFY(qAbs(view->pageSizeOnScreen().width() * 5 - half) <= 5);
  }

  void savedPdfHoldsTheSheetAsTextAtItsPlaces() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed: the PDF text cannot be checked");
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    auto* w = named(frame, "Ada Varga");
    w->warrior().innerSphere().skills = {{"Gunnery/Mech", "3", "6"}};
    w->warrior().equipment = {{"Field Kit", "1"}};
    w->warrior().notes = "Quiet";
    print(w);
    auto* preview = openPreviews();
    const QString pdf = dir_.filePath("ada.pdf");
    answerFileDialog(pdf);
    child<QPushButton>(preview, "cmdSavePdf")->click();
    QCOMPARE(seenFilters, QStringList{"PDF (*.pdf)"});
    QVERIFY(QFile::exists(pdf));

    const auto words = pdfWords(pdf);
    QVERIFY2(words.contains("Name"), qPrintable(QStringList(words.keys()).join(' ')));
    const QPointF name = words["Name"];
    // Twips from the "Name" label at (350, 350), 20 to the point.
    const struct {
      const char* word;
      int x, y;
    } expected[] = {{"Ada", 1600 + 2 * 108, 350},   {"Attributes", 350, 1700},
                    {"Save", 350 + 24 * 108, 1700}, {"Roll", 3825 + 33 * 108, 1675},
                    {"Gunnery/Mech", 3825, 2075},   {"(1)", 8225, 2075},
                    {"Kit", 8225 + 11 * 108, 2075}, {"Notes", 3410, 9250},
                    {"Quiet", 3410, 9250 + 204},    {"Thresholds", 350 + 7 * 108, 11550},
                    {"Personal", 8225, 11550},      {"Nationality", 2700, 13450}};
    for (const auto& e : expected) {
      QVERIFY2(words.contains(e.word), e.word);
      const QPointF at = words[e.word] - name;
      QVERIFY2(qAbs(at.x() - (e.x - 350) / 20.0) < 1.0, e.word);
      QVERIFY2(qAbs(at.y() - (e.y - 350) / 20.0) < 1.0, e.word);
    }
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(10000);
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains("Ada Varga"));
  }

  void unwritablePdfSaysSoAndLeavesNoFile() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    print(frame.newWarrior());
    const QString target = "/proc/sheet.pdf";
    s.files.answers << target;
    child<QPushButton>(openPreviews(), "cmdSavePdf")->click();
    QCOMPARE(s.prompter.log.size(), 1u);
    QVERIFY(s.prompter.log[0].text.rfind(
                "The character sheet could not be saved to \"" + target.toStdString() + "\": ",
                0) == 0);
    QCOMPARE(s.prompter.log[0].icon, MessageIcon::Critical);
    QVERIFY(!QFile::exists(target));
  }

  void printWithoutPrinterOffersThePdf() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
      QSKIP("a printer is installed here: printing would use it");
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    print(named(frame, "Ada"));
    auto* preview = openPreviews();

    s.prompter.yesNoAnswers = {false, true};
    child<QPushButton>(preview, "cmdPrint")->click();
    QCOMPARE(s.prompter.texts(), std::vector<std::string>{kNoPrinterQuestion});
    QCOMPARE(s.prompter.log[0].icon, MessageIcon::Question);
    QVERIFY(preview->isVisible());  // it stays open, and nothing was written

    // "Print" prints the warrior of the preview, even with another warrior's window in front.
    auto* other = named(frame, "Bren");
    QCOMPARE(frame.activeWarriorWindow(), other);
    const QString pdf = dir_.filePath("offered.pdf");
    s.files.answers << pdf;
    child<QPushButton>(preview, "cmdPrint")->click();
    QVERIFY(QFile::exists(pdf));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
      QVERIFY(pdfWords(pdf).contains("Ada"));
      QVERIFY(!pdfWords(pdf).contains("Bren"));
    }
  }

  void closingTheWarriorClosesItsPreviewOnly() {
    ScriptedFrame s;
    ui::MainFrame& frame = s.frame;
    auto* ada = named(frame, "Ada");
    auto* bren = named(frame, "Bren");
    print(ada);
    QVERIFY(openPreviews());
    subWindowOf(bren)->close();  // another warrior: the preview stays
    QVERIFY(openPreviews());
    subWindowOf(ada)->close();
    QTRY_COMPARE(visiblePreviewCount(), 0);
  }

  void printSetupShowsThePrinterDialogFromBothMenus() {
    RealFrame real;
    ui::MainFrame& frame = real.frame;
    bool shown = false;
    whenModal<QPrintDialog>([&shown](QPrintDialog* d) {
      shown = true;
      d->reject();
    });
    frame.findChild<QAction*>("mnuPrintSetup", Qt::FindDirectChildrenOnly)->trigger();
    QVERIFY(shown);

    auto* w = frame.newWarrior();
    shown = false;
    whenModal<QPrintDialog>([&shown](QPrintDialog* d) {
      shown = true;
      d->reject();
    });
    w->findChild<QAction*>("mnuPrintSetup")->trigger();
    QVERIFY(shown);
  }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"

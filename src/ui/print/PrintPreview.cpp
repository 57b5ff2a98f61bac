#include "ui/print/PrintPreview.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <QShortcut>

#include "core/app/SaveWarrior.h"
#include "core/printing/CharacterSheet.h"
#include "core/printing/PrintMessages.h"
#include "ui/FileChooser.h"
#include "ui/Placement.h"
#include "ui/print/PrinterChoice.h"

namespace dk::ui {

namespace {
// The window's controls in twips (left, top, width, height), at the window's designed size.
const QRect kView(120, 120, 6495, 6135);
const QRect kZoom(120, 6360, 735, 315);
const QRect kZoomLabel(960, 6440, 735, 255);
const QRect kSavePdf(3225, 6360, 1365, 375);
const QRect kCancel(4680, 6360, 855, 375);
const QRect kPrint(5640, 6360, 855, 375);
const QSize kClient(kView.right() + 1 + 120, kPrint.bottom() + 1 + 120);

constexpr int kPageGap = 12;  // pixels between the pages on screen, and above and below them
constexpr int kPageSide = 4;  // pixels beside them: a page at 50 % fits the view's width

QSizeF pageTwips() { return sheetPageSize().sizePoints() * 20.0; }

// The sheet's file, named as the warrior's own file would be; "warrior.pdf" for one without a name.
QString suggestedPdfName(const Warrior& w) {
  const std::string name = suggestedFileName(w, ".pdf");
  return QString::fromStdString(name.empty() ? "warrior.pdf" : name);
}
}  // namespace

// The pages of the document, drawn by the one paint routine at the view's zoom.
class PageView::Pages : public QWidget {
 public:
  explicit Pages(PageView& view) : QWidget(nullptr), view_(view) {}
  double scale() const { return logicalDpiX() / 1440.0 * view_.zoom() / 100.0; }
  QSize pageSize() const {
    const QSizeF page = pageTwips() * scale();
    return QSize(qRound(page.width()), qRound(page.height()));
  }
  QSize wanted() const {
    const QSize page = pageSize();
    const int count = std::max<int>(1, static_cast<int>(view_.document().pages.size()));
    return QSize(page.width() + 2 * kPageSide, count * (page.height() + kPageGap) + kPageGap);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSize page = pageSize();
    const int left = std::max(kPageSide, (width() - page.width()) / 2);
    int top = kPageGap;
    for (const PrintedPage& p : view_.document().pages) {
      const QRect paper(left, top, page.width(), page.height());
      painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 60));
      painter.fillRect(paper, Qt::white);
      painter.save();
      painter.translate(paper.topLeft());
      painter.setClipRect(QRect(QPoint(0, 0), page));
      const double s = scale();
      paintPage(painter, p, s, s);
      painter.restore();
      top += page.height() + kPageGap;
    }
  }

 private:
  PageView& view_;
};

PageView::PageView(QWidget* parent) : QScrollArea(parent) {
  setObjectName("vsPrinter1");
  setFrameShape(QFrame::StyledPanel);
  setBackgroundRole(QPalette::Dark);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  pages_ = new Pages(*this);
  setWidget(pages_);
  setWidgetResizable(false);
  resizePages();
}

void PageView::setDocument(PrintedDocument doc) {
  doc_ = std::move(doc);
  resizePages();
  pages_->update();
}

void PageView::setZoom(int percent) {
  zoom_ = std::clamp(percent, 10, 200);
  resizePages();
  pages_->update();
}

QSize PageView::pageSizeOnScreen() const { return pages_->pageSize(); }

void PageView::resizePages() { pages_->resize(pages_->wanted()); }

PrintPreview::PrintPreview(PrinterChoice& printers, FileChooser& files, Prompter& prompter,
                           QSettings& settings, WarriorLookup lookup, QWidget* parent)
    : QWidget(parent, Qt::Window),
      printers_(printers),
      files_(files),
      prompter_(prompter),
      settings_(settings),
      lookup_(std::move(lookup)) {
  setObjectName("frmPrintPreview");
  setWindowTitle("Print Preview");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::NonModal);

  view_ = new PageView(this);
  view_->setAccessibleName("Character sheet pages");

  zoom_ = new QComboBox(this);
  zoom_->setObjectName("Combo1");
  zoom_->addItems({"10", "15", "30", "50", "75", "100", "110", "130", "150", "200"});
  zoom_->setCurrentText("50");
  connect(zoom_, &QComboBox::currentIndexChanged, this, [this] {
    view_->setZoom(zoom_->currentText().toInt());
    settings_.setValue("preview/zoom", zoom_->currentText());
  });
  // The zoom chosen last time, in this run or an earlier one.
  if (const QString kept = settings_.value("preview/zoom").toString(); zoom_->findText(kept) >= 0)
    zoom_->setCurrentText(kept);

  zoomLabel_ = new QLabel("% Zoom", this);
  zoomLabel_->setObjectName("Label1");
  zoomLabel_->setBuddy(zoom_);

  savePdf_ = new QPushButton("Save as PDF...", this);
  savePdf_->setObjectName("cmdSavePdf");
  connect(savePdf_, &QPushButton::clicked, this, &PrintPreview::savePdf);

  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cmdCancel");
  connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cancel_,
          &QPushButton::click);

  print_ = new QPushButton("Print", this);
  print_->setObjectName("cmdPrint");
  connect(print_, &QPushButton::clicked, this, &PrintPreview::print);

  const QSize client(twips(this, kClient.width()), twips(this, kClient.height()));
  setMinimumSize(client);
  resize(client);
  place();
}

void PrintPreview::place() {
  const auto px = [this](const QRect& r, int dx, int dy) {
    return QRect(twips(this, r.x()) + dx, twips(this, r.y()) + dy, twips(this, r.width()),
                 twips(this, r.height()));
  };
  const int dw = std::max(0, width() - twips(this, kClient.width()));
  const int dh = std::max(0, height() - twips(this, kClient.height()));
  // The page view takes what the window grows by; the buttons stay at the bottom right.
  QRect view = px(kView, 0, 0);
  view.setSize(view.size() + QSize(dw, dh));
  view_->setGeometry(view);
  // A control never narrower than its text needs, on any font.
  const auto fit = [](QWidget* w, QRect r, bool growLeft) {
    const int need = w->sizeHint().width();
    if (r.width() < need) {
      if (growLeft)
        r.setLeft(r.right() - need + 1);
      else
        r.setWidth(need);
    }
    w->setGeometry(r);
  };
  fit(zoom_, px(kZoom, 0, dh), false);
  QRect label = px(kZoomLabel, 0, dh);
  label.moveLeft(std::max(label.left(), zoom_->geometry().right() + 6));
  label.setWidth(std::max(label.width(), zoomLabel_->sizeHint().width()));
  zoomLabel_->setGeometry(label);
  fit(print_, px(kPrint, dw, dh), true);
  QRect cancel = px(kCancel, dw, dh);
  cancel.moveRight(std::min(cancel.right(), print_->geometry().left() - 6));
  fit(cancel_, cancel, true);
  QRect pdf = px(kSavePdf, dw, dh);
  pdf.moveRight(std::min(pdf.right(), cancel_->geometry().left() - 6));
  fit(savePdf_, pdf, true);
}

void PrintPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  place();
}

const Warrior* PrintPreview::warrior() {
  const Warrior* w = lookup_ ? lookup_(slot_) : nullptr;
  // Its window has closed: the preview never shows or prints a record that is gone.
  if (!w) close();
  return w;
}

void PrintPreview::showFor(int slot) {
  slot_ = slot;
  setProperty("tag", QString::number(slot));
  show();
  centerOnScreen(this);
  raise();
  activateWindow();
  drawSheet(true);
}

void PrintPreview::drawSheet(bool preview) {
  const Warrior* w = warrior();
  if (!w) return;
  QtPrintSurface surface;
  if (preview) {
    printWarriorSheet(*w, surface, true);
    view_->setDocument(surface.document());
    return;
  }
  QPrinter* printer = printers_.printer();
  if (!printer) {
    if (prompter_.askYesNo(kNoPrinterQuestion, MessageIcon::Question)) savePdf();
    return;
  }
  printWarriorSheet(*w, surface, false);
  if (!printDocument(surface.document(), *printer))
    prompter_.showMessage(printFailedMessage(printer->printerName().toStdString()),
                          MessageIcon::Critical);
}

void PrintPreview::print() { drawSheet(false); }

void PrintPreview::savePdf() {
  const Warrior* w = warrior();
  if (!w) return;
  const QString path = files_.pdfFile(this, suggestedPdfName(*w));
  if (path.isEmpty()) return;

  // The record as it is now, like "Print"; the window may have closed while the chooser was open.
  w = warrior();
  if (!w) return;
  QtPrintSurface surface;
  printWarriorSheet(*w, surface, false);
  const Outcome written = writePdf(surface.document(), path.toStdString());
  if (!written)
    prompter_.showMessage(pdfFailedMessage(path.toStdString(), written.message()),
                          MessageIcon::Critical);
}

}  // namespace dk::ui

#include "ui/print/SheetRenderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cmath>

#include "core/app/Version.h"
#include "core/printing/CharacterSheet.h"
#include "core/printing/TextWrap.h"

namespace dk::ui {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kTwipsPerPoint = 20;
const QChar kBoxChar(0x25A1);

double cellWidth(const QFont& font) { return QFontMetricsF(font).horizontalAdvance(QChar('M')); }

void paintDocument(QPainter& painter, const PrintedDocument& doc, QPagedPaintDevice& device) {
  const double sx = device.logicalDpiX() / kTwipsPerInch;
  const double sy = device.logicalDpiY() / kTwipsPerInch;
  bool first = true;
  for (const PrintedPage& page : doc.pages) {
    if (!first) device.newPage();
    first = false;
    paintPage(painter, page, sx, sy);
  }
}
}  // namespace

QFont sheetQFont(const SheetFont& wanted) {
  QFont font(wanted.family);
  font.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
  font.setFixedPitch(true);
  font.setPixelSize(wanted.points * kTwipsPerPoint);
  font.setBold(wanted.bold);
  font.setKerning(false);
  return font;
}

QPageSize sheetPageSize() {
  return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                       ? QPageSize::Letter
                       : QPageSize::A4);
}

void QtPrintSurface::discardDocument() {
  doc_ = PrintedDocument{};
  font_ = SheetFont{};
}

void QtPrintSurface::setDocumentName(const std::string& name) {
  doc_.name = QString::fromStdString(name);
}

void QtPrintSurface::startDocument() { doc_.pages.assign(1, PrintedPage{}); }

void QtPrintSurface::setMargins(int left, int top, int right, int bottom) {
  doc_.margins[0] = left;
  doc_.margins[1] = top;
  doc_.margins[2] = right;
  doc_.margins[3] = bottom;
}

void QtPrintSurface::setFontName(const std::string& name) {
  font_.family = QString::fromStdString(name);
}

PrintedPage& QtPrintSurface::page() {
  if (doc_.pages.empty()) doc_.pages.emplace_back();
  return doc_.pages.back();
}

void QtPrintSurface::printText(const std::string& text) {
  page().texts.push_back({x_, y_, QString::fromStdString(text), font_});
}

std::size_t QtPrintSurface::printTextInRectangle(const std::string& text, int left, int top,
                                                 int width, int height) {
  const QFont font = sheetQFont(font_);
  const QFontMetricsF metrics(font);
  const int columns = static_cast<int>(std::floor(width / cellWidth(font)));
  const double lineHeight = metrics.lineSpacing();
  const auto lines = wrapText(text, columns);
  std::size_t k = 0;
  for (; k < lines.size(); ++k) {
    if ((k + 1) * lineHeight > height) break;
    const auto& line = lines[k];
    page().texts.push_back({left, top + static_cast<int>(std::lround(k * lineHeight)),
                            QString::fromStdString(text.substr(line.begin, line.end - line.begin)),
                            font_});
  }
  return k < lines.size() ? lines[k].begin : text.size();
}

int QtPrintSurface::controlWidth() const {
  // The page view's width as the window is laid out; a resized preview does not move the notes.
  return kPreviewControlWidth;
}

void paintPage(QPainter& painter, const PrintedPage& page, double scaleX, double scaleY) {
  painter.save();
  painter.scale(scaleX, scaleY);
  painter.setPen(QPen(Qt::black, 10));
  painter.setBrush(Qt::NoBrush);
  for (const PrintedText& item : page.texts) {
    const QFont font = sheetQFont(item.font);
    const QFontMetricsF metrics(font);
    const double cell = cellWidth(font);
    const double baseline = item.y + metrics.ascent();
    painter.setFont(font);
    const QString& text = item.text;
    int column = 0;
    int wordStart = -1;
    int wordColumn = 0;
    const auto flushWord = [&](int end) {
      if (wordStart < 0) return;
      painter.drawText(QPointF(item.x + wordColumn * cell, baseline),
                       text.mid(wordStart, end - wordStart));
      wordStart = -1;
    };
    for (int i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c.isLowSurrogate()) continue;  // the second half of one character
      if (c == QLatin1Char(' ') || c == kBoxChar) {
        flushWord(i);
        if (c == kBoxChar) {
          const double side = cell * 0.8;
          painter.drawRect(
              QRectF(item.x + column * cell + (cell - side) / 2, baseline - side, side, side));
        }
      } else if (wordStart < 0) {
        wordStart = i;
        wordColumn = column;
      }
      ++column;
    }
    flushWord(text.size());
  }
  painter.restore();
}

QByteArray renderPdf(const PrintedDocument& doc) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(doc.name);
    writer.setCreator(QString::fromUtf8(kAppTitle));
    writer.setResolution(static_cast<int>(kTwipsPerInch));
    // The sheet is placed from the paper's corner; its margins are part of its own coordinates.
    writer.setPageLayout(QPageLayout(sheetPageSize(), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    paintDocument(painter, doc, writer);
    if (!painter.end()) return {};
  }
  return buffer.data();
}

Outcome writePdf(const PrintedDocument& doc, const std::string& path) {
  const QByteArray pdf = renderPdf(doc);
  if (pdf.isEmpty()) return Outcome::failure("the PDF could not be drawn");
  return writeFileAtomically(
      path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

bool printDocument(const PrintedDocument& doc, QPrinter& printer) {
  printer.setDocName(doc.name);
  printer.setFullPage(true);
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  paintDocument(painter, doc, printer);
  return painter.end();
}

namespace {
// Paints the sheets of the run on the device the painter has begun on; false when stopped.
bool paintRun(QPainter& painter, const SheetRun& run, QPagedPaintDevice& device) {
  for (int i = 0; i < run.count; ++i) {
    if (!run.goOn(i)) return false;
    const PrintedDocument doc = run.sheet(i);
    if (i > 0) device.newPage();
    paintDocument(painter, doc, device);
  }
  return true;
}
}  // namespace

Outcome writeSheetsPdf(const SheetRun& run, const QString& title, const std::string& path) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return Outcome::failure(file.errorString().toStdString());
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QString::fromUtf8(kAppTitle));
    writer.setResolution(static_cast<int>(kTwipsPerInch));
    writer.setPageLayout(QPageLayout(sheetPageSize(), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) return Outcome::failure("the PDF could not be drawn");
    painted = paintRun(painter, run, writer);
    painter.end();
  }
  if (!painted) {
    file.cancelWriting();
    return Outcome::failure("it was cancelled");
  }
  if (!file.commit()) return Outcome::failure(file.errorString().toStdString());
  return done();
}

bool printSheets(const SheetRun& run, const QString& title, QPrinter& printer) {
  printer.setDocName(title);
  printer.setFullPage(true);
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  if (!paintRun(painter, run, printer)) {
    printer.abort();
    painter.end();
    return false;
  }
  return painter.end();
}

}  // namespace dk::ui

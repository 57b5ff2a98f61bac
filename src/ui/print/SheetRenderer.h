#pragma once
// The one Qt renderer of the print surface. Drawing the sheet records its pages; the same paint
// routine then puts them on the preview, a printer or a PDF file (1440 twips to the inch).

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/files/AtomicWrite.h"
#include "core/printing/PrintSurface.h"

class QPrinter;

namespace dk::ui {

struct SheetFont {
  QString family = "Courier New";
  int points = 9;
  bool bold = false;
};

// One line of text: (x, y) is the top-left corner of its first character cell, in twips.
struct PrintedText {
  int x = 0;
  int y = 0;
  QString text;
  SheetFont font;
};

struct PrintedPage {
  std::vector<PrintedText> texts;
};

struct PrintedDocument {
  QString name;
  bool preview = true;
  int margins[4] = {0, 0, 0, 0};
  std::vector<PrintedPage> pages;
};

// The sheet font at its size in twips, so a painter scaled to twips draws it at its true size.
// Fixed pitch: "Courier New" is matched by its metric twin where it is not installed.
QFont sheetQFont(const SheetFont& font);

// The paper every sheet is laid on: Letter where the system measures in inches, else A4.
QPageSize sheetPageSize();

// Records what the sheet draws, page by page.
class QtPrintSurface : public PrintSurface {
 public:
  const PrintedDocument& document() const { return doc_; }

  void discardDocument() override;
  void setPreview(bool preview) override { doc_.preview = preview; }
  void setPortrait() override {}  // every page is portrait
  void setDocumentName(const std::string& name) override;
  void startDocument() override;
  void setMargins(int left, int top, int right, int bottom) override;
  void setBold(bool bold) override { font_.bold = bold; }
  void setFontName(const std::string& name) override;
  void setFontSize(int points) override { font_.points = points; }
  void setCurrentX(int twips) override { x_ = twips; }
  void setCurrentY(int twips) override { y_ = twips; }
  void printText(const std::string& text) override;
  std::size_t printTextInRectangle(const std::string& text, int left, int top, int width,
                                   int height) override;
  void newPage() override { doc_.pages.emplace_back(); }
  int controlWidth() const override;
  void endDocument() override {}

 private:
  PrintedPage& page();
  PrintedDocument doc_;
  SheetFont font_;
  int x_ = 0;
  int y_ = 0;
};

// Paints one page with the painter's (0, 0) at the paper's top-left corner and `scale` device
// pixels per twip. Blanks are not drawn: each word stands at its own character cell, so columns
// line up at every zoom, and a damage box is drawn as an empty square of one cell.
void paintPage(QPainter& painter, const PrintedPage& page, double scaleX, double scaleY);

// The document as the bytes of a PDF file; empty when it could not be drawn.
QByteArray renderPdf(const PrintedDocument& doc);

// Writes the document as a PDF with selectable text, through a temporary file beside the target
// that replaces it only when complete.
Outcome writePdf(const PrintedDocument& doc, const std::string& path);

// Sends the document to the printer. False when the printer refused it.
bool printDocument(const PrintedDocument& doc, QPrinter& printer);

// The sheets of several warriors in one document, each starting on a new page and followed by
// its continuation pages. Each sheet is drawn when its turn comes and dropped after it, so a
// long run takes no more memory than one sheet. `sheet(i)` draws the i-th; `goOn(i)` is asked
// before it and may stop the run (a cancel).
struct SheetRun {
  int count = 0;
  std::function<PrintedDocument(int)> sheet;
  std::function<bool(int)> goOn = [](int) { return true; };
};
// Into one PDF file, whole or not at all: a temporary file beside the target takes its place only
// when every sheet is in it; a stopped or failed run leaves no file behind.
Outcome writeSheetsPdf(const SheetRun& run, const QString& title, const std::string& path);
// To the printer as one job. False when it refused the job or the run was stopped.
bool printSheets(const SheetRun& run, const QString& title, QPrinter& printer);

}  // namespace dk::ui

#pragma once
// The print preview (frmPrintPreview): one window for the whole program, shown beside the frame
// without blocking it. It shows the sheet of the warrior whose slot is its tag, prints it, and
// saves it as a PDF file.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QWidget>
#include <functional>

#include "core/context/Prompter.h"
#include "core/model/Warrior.h"
#include "ui/print/SheetRenderer.h"

namespace dk::ui {

class FileChooser;
class PrinterChoice;

// The page view (vsPrinter1): the pages of the last drawing, one under the other, at a zoom.
class PageView : public QScrollArea {
  Q_OBJECT
 public:
  explicit PageView(QWidget* parent = nullptr);
  void setDocument(PrintedDocument doc);
  const PrintedDocument& document() const { return doc_; }
  int zoom() const { return zoom_; }
  void setZoom(int percent);
  // The size of one page on screen at the current zoom, in pixels.
  QSize pageSizeOnScreen() const;

 private:
  class Pages;
  void resizePages();
  PrintedDocument doc_;
  int zoom_ = 50;
  Pages* pages_ = nullptr;
};

class PrintPreview : public QWidget {
  Q_OBJECT
 public:
  // Finds the warrior of a slot, or nullptr when its window is gone.
  using WarriorLookup = std::function<const Warrior*(int slot)>;

  // The zoom last chosen is kept in `settings` and shown again when the preview opens.
  PrintPreview(PrinterChoice& printers, FileChooser& files, Prompter& prompter, QSettings& settings,
               WarriorLookup lookup, QWidget* parent);

  // "&Print" of a warrior window: centre, show, take the slot as tag, draw its sheet.
  void showFor(int slot);
  int slot() const { return slot_; }

  // Draws the sheet of the tagged warrior: into the page view, or onto the printer.
  void drawSheet(bool preview);
  // "Print": the current record onto the chosen printer; with no printer, offers a PDF.
  void print();
  // "Save as PDF...": asks for a file and writes the current record's sheet to it.
  void savePdf();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  const Warrior* warrior();
  void place();

  PrinterChoice& printers_;
  FileChooser& files_;
  Prompter& prompter_;
  QSettings& settings_;
  WarriorLookup lookup_;
  int slot_ = 0;
  PageView* view_ = nullptr;
  QComboBox* zoom_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QPushButton* savePdf_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace dk::ui

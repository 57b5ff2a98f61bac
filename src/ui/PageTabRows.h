#pragma once
#include <QTabWidget>
#include <QVector>
#include <QWidget>

class QAccessibleInterface;

namespace dk::ui {

// The page tabs of a QTabWidget in as many rows as the width needs, so that every caption is
// shown at once and every page is one click away (a single row would hide some pages behind
// scroll arrows). The tab widget stays the owner of the pages and of the current index; its
// own one-row bar is hidden and this bar stands above it. The row of the chosen tab is the one
// next to the pages.
class PageTabRows : public QWidget {
  Q_OBJECT
 public:
  explicit PageTabRows(QTabWidget* tabs, QWidget* parent = nullptr);

  // The number of rows the tabs take at the given width.
  int rowCount(int width) const;
  // Where tab `index` is drawn at the current width (empty when there is no such tab).
  QRect tabRect(int index) const;
  int tabAt(const QPoint& pos) const;

  // What screen readers see: a page tab list with one page tab per caption.
  QAccessibleInterface* makeAccessible();

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  int naturalWidth(int index) const;
  int tabHeight() const;
  // The first tab of each row, for the given width, followed by the tab count.
  QVector<int> rowStarts(int width) const;
  QVector<QRect> layoutTabs(int width) const;
  void step(int direction);

  QTabWidget* tabs_;
  int hovered_ = -1;
  // Each tab's width by its caption, as last measured.
  struct NaturalWidth {
    QString caption;
    int width = -1;
  };
  mutable QVector<NaturalWidth> widths_;
};

}  // namespace dk::ui

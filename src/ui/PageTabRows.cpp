#include "ui/PageTabRows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>
#include <utility>

namespace dk::ui {

namespace {
// Room between a caption and the edges of its tab, in pixels.
constexpr int kCaptionPadding = 10;

// Screen readers see the rows as a tab bar: a page tab list whose tabs carry their captions,
// tell which one is chosen, and can be pressed.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PageTabAccessible(PageTabRows* rows, QTabWidget* tabs, int index)
      : rows_(rows), tabs_(tabs), index_(index) {}

  bool isValid() const override { return rows_ && tabs_ && index_ < tabs_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return rows_ ? rows_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(rows_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return {};
    // The caption without its mnemonic marks ("&&" stands for one "&").
    QString name = tabs_->tabText(index_);
    name.replace("&&", QChar(1));
    name.remove('&');
    name.replace(QChar(1), '&');
    return name;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = rows_->tabRect(index_);
    return QRect(rows_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) return s;
    s.selectable = true;
    s.focusable = true;
    s.selected = tabs_->currentIndex() == index_;
    s.focused = s.selected && rows_->hasFocus();
    s.disabled = !tabs_->isTabEnabled(index_);
    s.invisible = !rows_->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (isValid() && name == pressAction() && tabs_->isTabEnabled(index_))
      tabs_->setCurrentIndex(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<PageTabRows> rows_;
  QPointer<QTabWidget> tabs_;
  int index_;
};

class PageTabRowsAccessible : public QAccessibleWidget {
 public:
  PageTabRowsAccessible(PageTabRows* rows, QTabWidget* tabs)
      : QAccessibleWidget(rows, QAccessible::PageTabList), tabs_(tabs) {}
  ~PageTabRowsAccessible() override {
    for (QAccessible::Id id : std::as_const(children_)) QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override { return tabs_ ? tabs_->count() : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (QAccessible::Id id = children_.value(index)) return QAccessible::accessibleInterface(id);
    auto* tab = new PageTabAccessible(static_cast<PageTabRows*>(widget()), tabs_, index);
    children_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (auto it = children_.cbegin(); it != children_.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    auto* rows = static_cast<PageTabRows*>(widget());
    return child(rows->tabAt(rows->mapFromGlobal(QPoint(x, y))));
  }

 private:
  QPointer<QTabWidget> tabs_;
  mutable QHash<int, QAccessible::Id> children_;
};

QAccessibleInterface* accessibleRows(const QString& className, QObject* object) {
  if (className == QLatin1String(PageTabRows::staticMetaObject.className()))
    if (auto* rows = qobject_cast<PageTabRows*>(object)) return rows->makeAccessible();
  return nullptr;
}
}  // namespace

QAccessibleInterface* PageTabRows::makeAccessible() {
  return new PageTabRowsAccessible(this, tabs_);
}

PageTabRows::PageTabRows(QTabWidget* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(accessibleRows);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  tabs_->tabBar()->hide();
  // Focus given to the tab widget goes to its tabs, as it went to its own bar.
  tabs_->setFocusProxy(this);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    hovered_ = -1;  // the rows may have moved under the pointer
    update();
    // As a tab bar tells it: the chosen tab is selected (and focused when the bar has focus).
    if (QAccessible::isActive() && index >= 0) {
      if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
      }
      QAccessibleEvent selection(this, QAccessible::Selection);
      selection.setChild(index);
      QAccessible::updateAccessibility(&selection);
    }
  });
}

int PageTabRows::naturalWidth(int index) const {
  // Asked for every tab at each layout, size hint and paint: measured once per caption (the
  // measure is shaping the text), and again after a change of font or style.
  QString caption = tabs_->tabText(index);
  if (widths_.size() != tabs_->count()) widths_.resize(tabs_->count());
  NaturalWidth& known = widths_[index];
  if (known.width >= 0 && known.caption == caption) return known.width;
  QStyleOptionTab opt;
  opt.initFrom(this);
  opt.shape = QTabBar::RoundedNorth;
  opt.text = caption;
  const QSize text(fontMetrics().horizontalAdvance(opt.text) + 2 * kCaptionPadding,
                   fontMetrics().height() + kCaptionPadding);
  known = {std::move(caption),
           style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, text, this).width()};
  return known.width;
}

int PageTabRows::tabHeight() const {
  QStyleOptionTab opt;
  opt.initFrom(this);
  opt.shape = QTabBar::RoundedNorth;
  const QSize text(1, fontMetrics().height() + kCaptionPadding);
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, text, this).height();
}

QVector<int> PageTabRows::rowStarts(int width) const {
  const int count = tabs_->count();
  QVector<int> widths(count);
  for (int i = 0; i < count; ++i) widths[i] = naturalWidth(i);
  // The fewest rows, filled evenly from the top, in which every row's captions fit.
  for (int rows = 1; rows <= std::max(count, 1); ++rows) {
    const int perRow = (count + rows - 1) / rows;
    QVector<int> starts;
    bool fits = true;
    for (int first = 0; first < count; first += perRow) {
      starts << first;
      int sum = 0;
      for (int i = first; i < std::min(count, first + perRow); ++i) sum += widths[i];
      if (sum > width && perRow > 1) fits = false;
    }
    if (fits || perRow == 1) {
      starts << count;
      return starts;
    }
  }
  return {0, count};
}

int PageTabRows::rowCount(int width) const { return std::max(1, int(rowStarts(width).size()) - 1); }

QVector<QRect> PageTabRows::layoutTabs(int width) const {
  const QVector<int> starts = rowStarts(width);
  const int height = tabHeight();
  const int rows = int(starts.size()) - 1;
  // As on a tabbed dialog of the classic desktop, the row holding the chosen tab stands next to
  // the pages, so that the tab opens onto its page; the rows above keep their turn.
  const int current = tabs_->currentIndex();
  int chosenRow = rows - 1;
  for (int row = 0; row < rows; ++row)
    if (current >= starts[row] && current < starts[row + 1]) chosenRow = row;
  QVector<QRect> rects(tabs_->count());
  for (int row = 0; row < rows; ++row) {
    const int first = starts[row];
    const int last = starts[row + 1];
    const int shownRow = (row - chosenRow - 1 + 2 * rows) % rows;
    // Each row spans the whole width; the room left over is shared out evenly.
    int natural = 0;
    for (int i = first; i < last; ++i) natural += naturalWidth(i);
    const int spare = std::max(0, width - natural);
    int x = 0;
    for (int i = first; i < last; ++i) {
      const int k = i - first;
      const int share = spare * (k + 1) / (last - first) - spare * k / (last - first);
      const int w = (i + 1 == last) ? width - x : naturalWidth(i) + share;
      rects[i] = QRect(x, shownRow * height, w, height);
      x += w;
    }
  }
  return rects;
}

QRect PageTabRows::tabRect(int index) const {
  if (index < 0 || index >= tabs_->count()) return {};
  return layoutTabs(width()).at(index);
}

int PageTabRows::tabAt(const QPoint& pos) const {
  const QVector<QRect> rects = layoutTabs(width());
  for (int i = 0; i < rects.size(); ++i)
    if (rects[i].contains(pos)) return i;
  return -1;
}

int PageTabRows::heightForWidth(int width) const { return rowCount(width) * tabHeight(); }

QSize PageTabRows::sizeHint() const {
  int widest = 0;
  for (int i = 0; i < tabs_->count(); ++i) widest = std::max(widest, naturalWidth(i));
  const int w = std::max(widest, width());
  return {w, heightForWidth(w)};
}

QSize PageTabRows::minimumSizeHint() const {
  int widest = 0;
  for (int i = 0; i < tabs_->count(); ++i) widest = std::max(widest, naturalWidth(i));
  return {widest, tabHeight()};
}

void PageTabRows::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const QVector<QRect> rects = layoutTabs(width());
  const QVector<int> starts = rowStarts(width());
  const int current = tabs_->currentIndex();
  const auto optionFor = [&](int i) {
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    opt.rect = rects[i];
    opt.text = tabs_->tabText(i);
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (!tabs_->isTabEnabled(i)) opt.state &= ~QStyle::State_Enabled;
    if (i == hovered_ && isEnabled()) opt.state |= QStyle::State_MouseOver;
    if (i == current) opt.state |= QStyle::State_Selected;
    // The style draws the focus frame inside the chosen tab, as on a tab bar of its own.
    if (i == current && hasFocus()) opt.state |= QStyle::State_HasFocus;
    const int row = int(std::upper_bound(starts.begin(), starts.end(), i) - starts.begin()) - 1;
    const int first = starts[row];
    const int last = starts[row + 1] - 1;
    opt.position = first == last ? QStyleOptionTab::OnlyOneTab
                   : i == first  ? QStyleOptionTab::Beginning
                   : i == last   ? QStyleOptionTab::End
                                 : QStyleOptionTab::Middle;
    opt.selectedPosition = current == i - 1 && i != first  ? QStyleOptionTab::PreviousIsSelected
                           : current == i + 1 && i != last ? QStyleOptionTab::NextIsSelected
                                                           : QStyleOptionTab::NotAdjacent;
    return opt;
  };
  // The chosen tab last, so that it stands in front of its neighbours.
  for (int i = 0; i < rects.size(); ++i)
    if (i != current) painter.drawControl(QStyle::CE_TabBarTab, optionFor(i));
  if (current >= 0 && current < rects.size()) {
    painter.drawControl(QStyle::CE_TabBarTab, optionFor(current));
  }
}

void PageTabRows::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  const int index = tabAt(event->position().toPoint());
  if (index >= 0 && tabs_->isTabEnabled(index)) tabs_->setCurrentIndex(index);
}

void PageTabRows::mouseMoveEvent(QMouseEvent* event) {
  const int index = tabAt(event->position().toPoint());
  if (index != hovered_) {
    hovered_ = index;
    update();
  }
}

void PageTabRows::leaveEvent(QEvent*) {
  hovered_ = -1;
  update();
}

void PageTabRows::step(int direction) {
  const int count = tabs_->count();
  for (int i = tabs_->currentIndex() + direction; i >= 0 && i < count; i += direction)
    if (tabs_->isTabEnabled(i)) {
      tabs_->setCurrentIndex(i);
      return;
    }
}

void PageTabRows::keyPressEvent(QKeyEvent* event) {
  // The keys of a tab bar: the arrows step through the pages, Home and End go to either end.
  switch (event->key()) {
    case Qt::Key_Left:
      step(layoutDirection() == Qt::RightToLeft ? 1 : -1);
      break;
    case Qt::Key_Right:
      step(layoutDirection() == Qt::RightToLeft ? -1 : 1);
      break;
    case Qt::Key_Home:
      tabs_->setCurrentIndex(0);
      break;
    case Qt::Key_End:
      tabs_->setCurrentIndex(tabs_->count() - 1);
      break;
    default:
      event->ignore();
      return;
  }
  update();
}

void PageTabRows::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PageTabRows::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

bool PageTabRows::focusNextPrevChild(bool next) {
  // Tab goes on into the page shown. Left to the focus chain it would come to the tab widget
  // first, which hands its focus straight back here, and no page could be reached with Tab.
  QWidget* page = tabs_->currentWidget();
  if (!next || !page) return QWidget::focusNextPrevChild(next);
  for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && !w->focusProxy() && w->isVisible() && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
      w->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return QWidget::focusNextPrevChild(next);
}

void PageTabRows::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    widths_.clear();
    updateGeometry();
  }
  QWidget::changeEvent(event);
}

}  // namespace dk::ui

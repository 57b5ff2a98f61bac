#include "ui/widgets/ListViews.h"

#include <QHash>
#include <QHeaderView>
#include <unordered_map>

namespace dk::ui {

namespace {
// A list view whose columns sized to their contents measure a column's texts once for every
// window: every warrior window shows the same catalogue rows, and laying out each text anew
// would be most of the time a new window takes.
class ListView : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  int sizeHintForColumn(int column) const override {
    // A list not shown yet (on a page behind another) is measured when it is shown: a window
    // holds seven such lists, and measuring their rows was a fifth of the first New. Until then
    // a column is as wide as its caption.
    if (!isVisible()) return -1;
    // A long list is measured by the view in part only, as it scrolls: left to it.
    constexpr int kMeasuredWhole = 1000;
    if (topLevelItemCount() > kMeasuredWhole) return QTreeWidget::sizeHintForColumn(column);
    QString key = font().key() + QChar(1) + QString::number(column);
    for (int i = 0; i < topLevelItemCount(); ++i) key += QChar(1) + topLevelItem(i)->text(column);
    static QHash<QString, int> measured;
    if (const auto found = measured.constFind(key); found != measured.cend()) return *found;
    constexpr qsizetype kKept = 512;  // the lists a window shows, a few times over
    if (measured.size() >= kKept) measured.clear();
    const int width = QTreeWidget::sizeHintForColumn(column);
    if (width < 0) return width;  // its rows not laid out yet: nothing measured to keep
    return *measured.insert(key, width);
  }
};
}  // namespace

QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns,
                          const QString& accessibleName) {
  auto* view = new ListView(parent);
  view->setObjectName(objectName);
  view->setAccessibleName(accessibleName);
  view->setColumnCount(columns.size());
  view->setHeaderLabels(columns);
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);
  view->setAllColumnsShowFocus(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->header()->setStretchLastSection(false);
  view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < columns.size(); ++c)
    view->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  return view;
}

void setTabChain(const QList<QWidget*>& controls) {
  for (qsizetype i = 1; i < controls.size(); ++i)
    QWidget::setTabOrder(controls[i - 1], controls[i]);
}

bool ListRow::operator<(const QTreeWidgetItem& other) const {
  const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
  bool mine = false;
  bool theirs = false;
  const double a = text(column).toDouble(&mine);
  const double b = other.text(column).toDouble(&theirs);
  if (mine && theirs) return a < b;
  return text(column).localeAwareCompare(other.text(column)) < 0;
}

namespace {
constexpr char kNumberColumn[] = "dkNumberColumn";
}

QString sharedText(const std::string& utf8) {
  static std::unordered_map<std::string, QString> known;
  if (const auto found = known.find(utf8); found != known.end()) return found->second;
  constexpr std::size_t kKept = 8192;  // the rows of every list of a window, many times over
  if (known.size() >= kKept) known.clear();
  return known.emplace(utf8, QString::fromStdString(utf8)).first->second;
}

void alignNumbersRight(QTreeWidget* view, int column) { view->setProperty(kNumberColumn, column); }

QVariant ListRow::data(int column, int role) const {
  QVariant set = QTreeWidgetItem::data(column, role);
  if (set.isValid()) return set;  // what was set by hand stands
  if (role == Qt::TextAlignmentRole) {
    const QVariant numbers = treeWidget() ? treeWidget()->property(kNumberColumn) : QVariant();
    if (numbers.isValid() && numbers.toInt() == column)
      return int(Qt::AlignRight | Qt::AlignVCenter);  // as setTextAlignment keeps it
    return set;
  }
  if (role != Qt::ToolTipRole) return set;
  if (column != 0) return tip_;
  return tip_.isEmpty() ? text(0) : text(0) + '\n' + tip_;
}

void sortOnHeaderClick(QTreeWidget* view) {
  view->header()->setSectionsClickable(true);
  QObject::connect(view->header(), &QHeaderView::sectionClicked, view, [view](int column) {
    // Once sorting is on, the header turns the order round by itself.
    if (view->isSortingEnabled()) return;
    view->setSortingEnabled(true);
    view->sortByColumn(column, Qt::AscendingOrder);
  });
}

void showRows(QTreeWidget* view, const QList<QStringList>& rows, const QString& selected,
              const QStringList& tips) {
  const QSignalBlocker block(view);
  bool same = view->topLevelItemCount() == rows.size();
  for (int i = 0; same && i < rows.size(); ++i) {
    const QTreeWidgetItem* item = view->topLevelItem(i);
    for (int c = 0; same && c < rows[i].size(); ++c) same = item->text(c) == rows[i][c];
  }
  if (!same) {
    view->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QStringList& row : rows) items << new ListRow(row);
    view->addTopLevelItems(items);
    // The view repaints only the rows it thinks moved; the whole list is new, so is its picture.
    view->viewport()->update();
  }
  // A sorted view shows the rows in another order: each finds its tip by its name.
  QHash<QString, QString> tipOf;
  for (qsizetype i = 0; i < tips.size() && i < rows.size(); ++i) tipOf.insert(rows[i][0], tips[i]);
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = view->topLevelItem(i);
    const QString tip = tipOf.value(item->text(0));
    if (auto* row = dynamic_cast<ListRow*>(item)) {
      row->setTip(tip);  // asked for on hover only: nothing to repaint
      continue;
    }
    const QString nameTip = tip.isEmpty() ? item->text(0) : item->text(0) + "\n" + tip;
    if (item->toolTip(0) == nameTip) continue;  // unchanged: no repaint
    item->setToolTip(0, nameTip);
    for (int c = 1; c < item->columnCount(); ++c) item->setToolTip(c, tip);
  }
  QTreeWidgetItem* current = nullptr;
  for (int i = 0; !selected.isEmpty() && !current && i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == selected) current = view->topLevelItem(i);
  if (current) {
    view->setCurrentItem(current);
  } else {
    view->clearSelection();
    view->setCurrentItem(nullptr);
  }
}

QString currentName(const QTreeWidget* view) {
  return view->currentItem() ? view->currentItem()->text(0) : QString();
}

void showEntries(QListWidget* list, const QStringList& entries) {
  bool same = list->count() == entries.size();
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == entries[i];
  if (same) return;
  const QSignalBlocker block(list);
  list->clear();
  list->addItems(entries);
  list->viewport()->update();  // every entry is new, not only those the list thinks moved
}

QStringList entriesOf(const std::vector<std::int16_t>& pool) {
  QStringList out;
  for (auto entry : pool) out << QString::number(entry);
  return out;
}

QStringList entriesOf(const std::vector<std::string>& names) {
  QStringList out;
  for (const std::string& name : names) out << QString::fromStdString(name);
  return out;
}

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

}  // namespace dk::ui

#include "ui/widgets/ListViews.h"

#include <QHeaderView>

namespace dk::ui {

QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns,
                          const QString& accessibleName) {
  auto* view = new QTreeWidget(parent);
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

void sortOnHeaderClick(QTreeWidget* view) {
  view->header()->setSectionsClickable(true);
  QObject::connect(view->header(), &QHeaderView::sectionClicked, view, [view](int column) {
    // Once sorting is on, the header turns the order round by itself.
    if (view->isSortingEnabled()) return;
    view->setSortingEnabled(true);
    view->sortByColumn(column, Qt::AscendingOrder);
  });
}

void fillPool(QListWidget* list, const std::vector<std::int16_t>& pool) {
  // Rebuilt only when it changed, so a click on an entry never pulls it from under the mouse.
  bool same = list->count() == static_cast<int>(pool.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == QString::number(pool[static_cast<std::size_t>(i)]);
  if (same) return;
  const QSignalBlocker block(list);
  list->clear();
  for (auto entry : pool) list->addItem(QString::number(entry));
  list->viewport()->update();  // every entry is new, not only those the list thinks moved
}

}  // namespace dk::ui

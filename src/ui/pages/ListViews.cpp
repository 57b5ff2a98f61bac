#include "ui/pages/ListViews.h"

#include <QHeaderView>

namespace dk::ui {

QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(objectName);
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

void fillPool(QListWidget* list, const std::vector<std::int16_t>& pool) {
  // Rebuilt only when it changed, so a click on an entry never pulls it from under the mouse.
  bool same = list->count() == static_cast<int>(pool.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == QString::number(pool[static_cast<std::size_t>(i)]);
  if (same) return;
  const QSignalBlocker block(list);
  list->clear();
  for (auto entry : pool) list->addItem(QString::number(entry));
}

}  // namespace dk::ui

#pragma once
// Helpers shared by the pages built around lists: list views in report mode, rows redrawn from
// the record with the selection kept by name, skill point pools, and the Tab order between lists
// and the buttons laid out among them.

#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>
#include <vector>

namespace dk::ui {

// A list view in report mode with the given column captions; `accessibleName` is what a screen
// reader calls it.
QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns,
                          const QString& accessibleName = {});

// Tab goes through the controls in the order given, the order in which they read on the page,
// rather than the order in which they were made.
void setTabChain(const QList<QWidget*>& controls);

// A row that sorts numbers as numbers ("90" before "1200") and other texts as texts.
class ListRow : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override;
};

// Rows show in the order entered until a column header is clicked; from then on that column is
// the sort key (a second click on it turns the order round).
void sortOnHeaderClick(QTreeWidget* view);

// Rewrites the rows of a list view, keeping the selected row by name.
template <typename Row, typename Columns>
void fillRows(QTreeWidget* view, const std::vector<Row>& rows, Columns columns) {
  const QString selected = view->currentItem() ? view->currentItem()->text(0) : QString();
  const QSignalBlocker block(view);
  view->clear();
  for (const Row& row : rows) {
    auto* item = new ListRow(view, columns(row));
    if (item->text(0) == selected) view->setCurrentItem(item);
  }
}

// Rewrites a skill point pool, one entry per value.
void fillPool(QListWidget* list, const std::vector<std::int16_t>& pool);

}  // namespace dk::ui

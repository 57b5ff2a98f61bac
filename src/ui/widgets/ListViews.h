#pragma once
// Helpers shared by the pages and dialogs built around lists: list views in report mode, lists
// redrawn from the record with the selection named by the caller, the Tab order between lists
// and the buttons laid out among them, and those buttons.

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace dk::ui {

// A list view in report mode with the given column captions; `accessibleName` is what a screen
// reader calls it.
QTreeWidget* makeListView(QWidget* parent, const char* objectName, const QStringList& columns,
                          const QString& accessibleName = {});

// Tab goes through the controls in the order given, the order in which they read on the page,
// rather than the order in which they were made.
void setTabChain(const QList<QWidget*>& controls);

// A row that sorts numbers as numbers ("90" before "1200") and other texts as texts. Its
// tooltip is worded when asked for: the first column's is the whole name and the row's line of
// tip under it, the other columns' the line alone. A window shows hundreds of catalogue rows, most
// never hovered, so a row keeps the one line rather than a tooltip per column.
class ListRow : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override;
  QVariant data(int column, int role) const override;
  void setTip(const QString& tip) { tip_ = tip; }
  const QString& tip() const { return tip_; }

 private:
  QString tip_;
};

// The texts of a column of numbers stand to the right, in every row the view gets (a row holds
// no alignment of its own for it).
void alignNumbersRight(QTreeWidget* view, int column);

// Rows show in the order entered until a column header is clicked; from then on that column is
// the sort key (a second click on it turns the order round).
void sortOnHeaderClick(QTreeWidget* view);

// A text for a list row, the same QString (one copy in memory) each time the same bytes are
// asked for: every window shows much the same rows (the catalogues' names, levels, prices and
// tips).
QString sharedText(const std::string& utf8);

// The texts of the rows of a list, one string list per row.
template <typename Row, typename Columns>
QList<QStringList> rowsOf(const std::vector<Row>& rows, Columns columns) {
  QList<QStringList> out;
  out.reserve(static_cast<qsizetype>(rows.size()));
  for (const Row& row : rows) out << columns(row);
  return out;
}

// Shows the rows in a list view and selects the row of the name given (none when no row has it).
// The rows are rebuilt only when they changed, so a click never pulls a row from under the mouse.
// Signals are blocked throughout. Each row's tooltip is its whole name (where the column cuts it
// short) and, when given, its line of `tips` (what it costs, how it is worked out).
void showRows(QTreeWidget* view, const QList<QStringList>& rows, const QString& selected,
              const QStringList& tips = {});
inline void showRows(QTreeWidget* view, const QList<QStringList>& rows, const std::string& selected,
                     const QStringList& tips = {}) {
  showRows(view, rows, QString::fromStdString(selected), tips);
}
// The name in the first column of the current row, or nothing.
QString currentName(const QTreeWidget* view);

// Shows the entries in a plain list, rebuilt only when they changed.
void showEntries(QListWidget* list, const QStringList& entries);
QStringList entriesOf(const std::vector<std::int16_t>& pool);
QStringList entriesOf(const std::vector<std::string>& names);

// A push button named for the acceptance checks that Enter in a dialog does not press.
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& text);

}  // namespace dk::ui

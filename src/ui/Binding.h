#pragma once
// Ties the text controls of a warrior window to the text fields of its record: typing stores the
// text in the record at once; a redraw writes the record's text back without re-entering.
// Leaving a one-line field gives it the form its warrior file keeps (the blanks the reader trims
// are dropped), so that what the user sees is what opens again; never while typing, so a blank
// between two words survives.

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "core/model/Warrior.h"

namespace dk::ui {

// A line break typed or pasted into a one-line field is stored as a space (toOneLine).
QString oneLine(const QString& text);

// Ctrl+Y in the text field (a QLineEdit or QPlainTextEdit) redoes the field's own typing, as
// Ctrl+Shift+Z does, instead of reaching a shortcut of the window.
void keepRedoKeyIn(QWidget* field);

// A multi-line box that may refuse a paste or a drop before its text goes in, rather than
// taking it and giving it back.
class GuardedTextEdit : public QPlainTextEdit {
 public:
  // Whether the box may hold this text; a refusal tells the user why.
  using Guard = std::function<bool(const QString& wouldBe)>;

  explicit GuardedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}
  void setGuard(Guard guard) { guard_ = std::move(guard); }
  bool accepts(const QString& wouldBe) const { return !guard_ || guard_(wouldBe); }

 protected:
  void insertFromMimeData(const QMimeData* source) override;

 private:
  Guard guard_;
};

class FieldBindings {
 public:
  using Field = std::string Warrior::*;

  // `record` gives the record to work on; `changed` runs after the user changed a field.
  FieldBindings(std::function<Warrior&()> record, std::function<void(Field)> changed)
      : record_(std::move(record)), changed_(std::move(changed)) {}

  QLineEdit* line(QWidget* parent, const char* objectName, Field field, bool locked = false);
  QComboBox* combo(QWidget* parent, const char* objectName, Field field, const QStringList& items,
                   bool editable);
  // A guard may refuse a text; the box then keeps the text it had.
  QPlainTextEdit* multiLine(QWidget* parent, const char* objectName, Field field,
                            GuardedTextEdit::Guard guard = {});

  // Writes every bound field of the record into its control (signals blocked).
  void refresh();

 private:
  std::function<Warrior&()> record_;
  std::function<void(Field)> changed_;
  void normaliseOnLeaving(QLineEdit* edit, Field field);
  std::vector<std::pair<QLineEdit*, Field>> lines_;
  std::vector<std::pair<QComboBox*, Field>> combos_;
  std::vector<std::pair<QPlainTextEdit*, Field>> texts_;
};

}  // namespace dk::ui

#pragma once
// Ties the text controls of a warrior window to the text fields of its record: typing stores the
// text in the record at once; a redraw writes the record's text back without re-entering.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "model/Warrior.h"

namespace dk::ui {

// A line break typed or pasted into a one-line field is stored as a space (toOneLine).
QString oneLine(const QString& text);

class FieldBindings {
 public:
  using Field = std::string Warrior::*;

  // `record` gives the record to work on; `changed` runs after the user changed a field.
  FieldBindings(std::function<Warrior&()> record, std::function<void(Field)> changed)
      : record_(std::move(record)), changed_(std::move(changed)) {}

  QLineEdit* line(QWidget* parent, const char* objectName, Field field, bool locked = false);
  QComboBox* combo(QWidget* parent, const char* objectName, Field field, const QStringList& items,
                   bool editable);
  QPlainTextEdit* multiLine(QWidget* parent, const char* objectName, Field field);

  // Writes every bound field of the record into its control (signals blocked).
  void refresh();

 private:
  std::function<Warrior&()> record_;
  std::function<void(Field)> changed_;
  std::vector<std::pair<QLineEdit*, Field>> lines_;
  std::vector<std::pair<QComboBox*, Field>> combos_;
  std::vector<std::pair<QPlainTextEdit*, Field>> texts_;
};

}  // namespace dk::ui

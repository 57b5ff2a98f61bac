#include "ui/Binding.h"

#include <QSignalBlocker>

#include "util/Text.h"

namespace dk::ui {

QString oneLine(const QString& text) {
  return QString::fromStdString(toOneLine(text.toStdString()));
}

QLineEdit* FieldBindings::line(QWidget* parent, const char* objectName, Field field, bool locked) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setReadOnly(locked);
  lines_.push_back({edit, field});
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this, edit, field](const QString& text) {
    const QString clean = oneLine(text);
    if (clean != text) {
      const QSignalBlocker block(edit);
      const int cursor = edit->cursorPosition();
      edit->setText(clean);
      edit->setCursorPosition(cursor);
    }
    record_().*field = clean.toStdString();
    changed_(field);
  });
  return edit;
}

QComboBox* FieldBindings::combo(QWidget* parent, const char* objectName, Field field,
                                const QStringList& items, bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(objectName);
  box->setEditable(editable);
  if (editable) box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  combos_.push_back({box, field});
  QObject::connect(box, &QComboBox::currentTextChanged, box,
                   [this, box, field](const QString& text) {
                     const QString clean = oneLine(text);
                     if (clean != text && box->isEditable()) {
                       const QSignalBlocker block(box);
                       box->setEditText(clean);
                     }
                     record_().*field = clean.toStdString();
                     changed_(field);
                   });
  return box;
}

QPlainTextEdit* FieldBindings::multiLine(QWidget* parent, const char* objectName, Field field) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(objectName);
  texts_.push_back({edit, field});
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit, field] {
    record_().*field = edit->toPlainText().toStdString();
    changed_(field);
  });
  return edit;
}

void FieldBindings::refresh() {
  const Warrior& w = record_();
  for (auto& [edit, field] : lines_) {
    const QString text = QString::fromStdString(w.*field);
    if (edit->text() != text) {
      const QSignalBlocker block(edit);
      edit->setText(text);
    }
  }
  for (auto& [box, field] : combos_) {
    const QString text = QString::fromStdString(w.*field);
    if (box->currentText() != text) {
      const QSignalBlocker block(box);
      if (box->isEditable()) {
        box->setEditText(text);
      } else {
        box->setCurrentIndex(box->findText(text));
      }
    }
  }
  for (auto& [edit, field] : texts_) {
    const QString text = QString::fromStdString(w.*field);
    if (edit->toPlainText() != text) {
      const QSignalBlocker block(edit);
      edit->setPlainText(text);
    }
  }
}

}  // namespace dk::ui

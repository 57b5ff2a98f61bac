#include "ui/Binding.h"

#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "core/files/FileLimits.h"
#include "core/util/Text.h"

namespace dk::ui {

QString oneLine(const QString& text) {
  return QString::fromStdString(toOneLine(text.toStdString()));
}

void GuardedTextEdit::insertFromMimeData(const QMimeData* source) {
  if (guard_ && source->hasText()) {
    // The document's positions are indexes into its plain text (one per block end).
    const QTextCursor cursor = textCursor();
    const QString text = toPlainText();
    const QString wouldBe =
        text.left(cursor.selectionStart()) + source->text() + text.mid(cursor.selectionEnd());
    if (!guard_(wouldBe)) return;
  }
  QPlainTextEdit::insertFromMimeData(source);
}

void FieldBindings::normaliseOnLeaving(QLineEdit* edit, Field field) {
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [this, edit, field] {
    if (edit->isReadOnly() || !normaliseLeftField(record_(), field)) return;
    const QSignalBlocker block(edit);
    edit->setText(QString::fromStdString(record_().*field));
    changed_(field);
  });
}

QLineEdit* FieldBindings::line(QWidget* parent, const char* objectName, Field field, bool locked) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setReadOnly(locked);
  edit->setMaxLength(static_cast<int>(kMaxLineChars));  // the longest line of a warrior file
  normaliseOnLeaving(edit, field);
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
  if (editable) {
    box->lineEdit()->setMaxLength(static_cast<int>(kMaxLineChars));
    normaliseOnLeaving(box->lineEdit(), field);
  }
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

QPlainTextEdit* FieldBindings::multiLine(QWidget* parent, const char* objectName, Field field,
                                         GuardedTextEdit::Guard guard) {
  auto* edit = new GuardedTextEdit(parent);
  edit->setObjectName(objectName);
  edit->setGuard(std::move(guard));
  texts_.push_back({edit, field});
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit, field] {
    const QString text = edit->toPlainText();
    if (!edit->accepts(text)) {
      // Typed past the limit (a paste was already refused before it went in): the box goes
      // back to the text the record holds.
      const int cursor = edit->textCursor().position();
      const QSignalBlocker block(edit);
      edit->setPlainText(QString::fromStdString(record_().*field));
      QTextCursor back = edit->textCursor();
      back.setPosition(std::min(cursor, static_cast<int>(edit->document()->characterCount()) - 1));
      edit->setTextCursor(back);
      return;
    }
    record_().*field = text.toStdString();
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

#include "ui/Binding.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>

#include "core/files/FileLimits.h"
#include "core/util/Text.h"

namespace dk::ui {

QString oneLine(const QString& text) {
  return QString::fromStdString(toOneLine(text.toStdString()));
}

namespace {
class RedoKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
      return false;
    if (static_cast<QKeyEvent*>(event)->keyCombination() !=
        QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
      return false;
    // Claimed before the shortcuts see it, then done when the key itself comes.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
      if (auto* line = qobject_cast<QLineEdit*>(watched)) line->redo();
      if (auto* text = qobject_cast<QPlainTextEdit*>(watched)) text->redo();
    }
    return true;
  }
};
// Digits only (a leading minus where the range goes below 0), within the range: a keystroke or a
// paste that would make anything else is refused whole. An empty field is a cleared one.
class WholeNumberValidator : public QValidator {
 public:
  WholeNumberValidator(NumberRange range, QObject* parent) : QValidator(parent), range_(range) {}
  State validate(QString& input, int&) const override {
    const bool negative = range_.lowest < 0 && input.startsWith('-');
    const QStringView digits = QStringView(input).mid(negative ? 1 : 0);
    if (digits.isEmpty()) return negative ? Intermediate : Acceptable;
    if (digits.size() > 18) return Invalid;
    for (const QChar c : digits)
      if (c < '0' || c > '9') return Invalid;
    const qint64 value = (negative ? -1 : 1) * digits.toLongLong();
    if (value > range_.highest) return Invalid;
    return value < range_.lowest ? Intermediate : Acceptable;
  }

 private:
  NumberRange range_;
};
}  // namespace

void keepRedoKeyIn(QWidget* field) {
  // One watch for every field of every window: it holds nothing of its own.
  static QPointer<RedoKey> watch;
  if (!watch) watch = new RedoKey(qApp);
  field->installEventFilter(watch);
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
  if (const auto range = numberFieldRange(field))
    edit->setValidator(new WholeNumberValidator(*range, edit));
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

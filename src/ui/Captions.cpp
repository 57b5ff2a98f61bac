#include "ui/Captions.h"

#include <QAbstractItemView>

namespace dk::ui {

QLabel* captionFor(QWidget* parent, const QString& text, QWidget* field) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(field);
  if (qobject_cast<QAbstractItemView*>(field)) field->setAccessibleName(text);
  return label;
}

}  // namespace dk::ui

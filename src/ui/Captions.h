#pragma once
// Captions tied to the control they name, so that a screen reader reads the caption with it.

#include <QLabel>
#include <QString>
#include <QWidget>

namespace dk::ui {

// A label showing `text` beside or above `field`, as its buddy. A list takes no name from its
// buddy, so a list is given the caption as its accessible name too.
QLabel* captionFor(QWidget* parent, const QString& text, QWidget* field);

}  // namespace dk::ui

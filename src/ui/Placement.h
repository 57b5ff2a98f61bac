#pragma once
#include <QWidget>

namespace dk::ui {

// Logical resolution of the screen a widget is on (1440 twips per inch).
double logicalDpi(const QWidget* widget);
int twips(const QWidget* widget, int twipValue);

// Moves a top-level window so that it is centred on its screen (the shared centring rule,
// computed in twips and applied in pixels).
void centerOnScreen(QWidget* window);

}  // namespace dk::ui

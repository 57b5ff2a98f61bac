#pragma once
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace dk::ui {

// Logical resolution of the screen a widget is on (1440 twips per inch).
double logicalDpi(const QWidget* widget);
int twips(const QWidget* widget, int twipValue);

// Moves a top-level window so that it is centred on its screen (the shared centring rule,
// computed in twips and applied in pixels).
void centerOnScreen(QWidget* window);

// A new warrior window: the size of the rules (the first window of the run has its own), never
// below the one at which every page lays out whole, stepped on from the window opened last that
// is still shown, as a cascade does.
void placeWarriorWindow(QMdiArea* area, QMdiSubWindow* sub, bool firstWindow);

}  // namespace dk::ui

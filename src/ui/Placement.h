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

// Makes the program's style hand out one copy of each title bar picture: the style would draw
// the pictures of a subwindow's title bar and system menu anew for every subwindow (some 30 KiB
// each). The style in use stays what it was (the platform's, or one named by -style). Called
// once before the first subwindow; a second call changes nothing.
void shareTitleBarIcons();

// Puts a widget into the area in a subwindow of its own, as QMdiArea::addSubWindow does, except
// that activating a window repaints the frames of only the two windows whose state changes: the
// area on its own repaints the frame of every window it holds on each activation, which makes a
// New or a switch slower with every window open.
QMdiSubWindow* addQuietSubWindow(QMdiArea* area, QWidget* widget);

}  // namespace dk::ui

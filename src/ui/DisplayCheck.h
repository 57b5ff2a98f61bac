#pragma once
// Whether the program can open a window at all, told in one line: a start without a display, or
// with one that cannot be reached, ends with exit status 1 and a sentence, never with Qt's advice
// to reinstall and a core dump.

#include <QString>
#include <QStringList>
#include <optional>

namespace dk::ui {

// What the program says when no window can be opened: "drakkenfold: cannot open a window: no
// display is set (DISPLAY, WAYLAND_DISPLAY)." when neither variable is set and no platform was
// chosen (-platform, QT_QPA_PLATFORM); nothing when a window may be tried.
std::optional<QString> missingDisplayMessage(const QStringList& arguments);

// While the window system is being reached: Qt's fatal "no platform plugin could be initialized"
// becomes "drakkenfold: cannot open a window on display ":61"." (or names the platform chosen),
// and the program ends with status 1. What Qt says on the way is held back and, when the window
// system answers, passed on as it was.
class DisplayGuard {
 public:
  explicit DisplayGuard(const QStringList& arguments);
  ~DisplayGuard();  // the window system answered: Qt's own messages as before
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace dk::ui

#pragma once
// Warrior files dropped from a file manager: a drag of local files that all end ".war" is
// welcomed, anything else refused (the cursor says no before the drop).

#include <QObject>
#include <QStringList>

namespace dk::ui {

class WarriorFileDrops : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Takes the drags and drops aimed at the widget.
  void watch(QWidget* target);

 signals:
  void dropped(const QStringList& files);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace dk::ui

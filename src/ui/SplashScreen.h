#pragma once
#include <QDialog>
#include <QTimer>

namespace dk::ui {

// The splash screen (frmSplash): title, version and platform line; closes after 5 seconds or
// at the first click or key.
class SplashScreen : public QDialog {
  Q_OBJECT
 public:
  explicit SplashScreen(QWidget* parent = nullptr);
  QTimer* timer() { return &timer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QTimer timer_;
};

// The program picture shown by the splash screen and the About box.
QPixmap programPicture(int size);

}  // namespace dk::ui

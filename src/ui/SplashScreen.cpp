#include "ui/SplashScreen.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "core/app/Version.h"
#include "ui/Placement.h"

namespace dk::ui {

namespace {
constexpr QSize kSplashSize(600, 250);
}  // namespace

QPixmap programPicture(int size) {
  QPixmap pix(size, size);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  // A shield with a stylised drakkar prow: the program's emblem.
  QPainterPath shield;
  shield.moveTo(s * 0.5, s * 0.04);
  shield.lineTo(s * 0.92, s * 0.18);
  shield.cubicTo(s * 0.92, s * 0.62, s * 0.72, s * 0.84, s * 0.5, s * 0.96);
  shield.cubicTo(s * 0.28, s * 0.84, s * 0.08, s * 0.62, s * 0.08, s * 0.18);
  shield.closeSubpath();
  QLinearGradient grad(0, 0, 0, s);
  grad.setColorAt(0, QColor(40, 70, 120));
  grad.setColorAt(1, QColor(15, 30, 60));
  p.setBrush(grad);
  p.setPen(QPen(QColor(200, 170, 80), s * 0.04));
  p.drawPath(shield);
  QPainterPath prow;
  prow.moveTo(s * 0.24, s * 0.62);
  prow.quadTo(s * 0.5, s * 0.74, s * 0.76, s * 0.62);
  prow.lineTo(s * 0.7, s * 0.36);
  prow.quadTo(s * 0.64, s * 0.26, s * 0.56, s * 0.3);
  prow.quadTo(s * 0.64, s * 0.36, s * 0.62, s * 0.52);
  prow.lineTo(s * 0.24, s * 0.52);
  prow.closeSubpath();
  p.setBrush(QColor(200, 170, 80));
  p.setPen(Qt::NoPen);
  p.drawPath(prow);
  return pix;
}

SplashScreen::SplashScreen(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setModal(true);
  // The splash is the program's first window: it goes on the screen at its size before its
  // texts are laid out, so that the fonts load while the window maps.
  setFixedSize(kSplashSize);
  centerOnScreen(this);
  show();

  auto* frame = new QFrame(this);
  frame->setObjectName("Frame1");
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(2);

  auto* pic = new QLabel(frame);
  pic->setObjectName("picIcon");
  pic->setPixmap(programPicture(96));
  pic->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* product = new QLabel(QString::fromUtf8(kAppTitle), frame);
  product->setObjectName("lblProductName");
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  product->setFont(big);

  auto* version = new QLabel(QString::fromStdString(versionText()), frame);
  version->setObjectName("lblVersion");
  version->setAlignment(Qt::AlignRight);
  QFont mid = version->font();
  mid.setPointSize(mid.pointSize() + 2);
  mid.setBold(true);
  version->setFont(mid);

  auto* platform = new QLabel("Windows 95", frame);
  platform->setObjectName("lblPlatform");
  platform->setAlignment(Qt::AlignRight);
  platform->setFont(mid);

  auto* company = new QLabel("Drakkenfold Games", frame);
  company->setObjectName("lblCompany");
  auto* rights = new QLabel("Copyright \u00a9 Drakkenfold Games.  All rights reserved.", frame);
  rights->setObjectName("lblCopyright");

  auto* text = new QVBoxLayout;
  text->addWidget(product);
  text->addSpacing(8);
  text->addWidget(version);
  text->addWidget(platform);
  text->addStretch();
  text->addWidget(company);
  text->addWidget(rights);

  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(18, 18, 18, 18);
  row->setSpacing(18);
  row->addWidget(pic);
  row->addLayout(text, 1);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->addWidget(frame);

  // A click anywhere on the splash (frame, picture, labels) closes it.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

  frame->show();
  // Texts larger than the size guessed (a large system font) widen the window after all.
  if (const QSize wanted = sizeHint().expandedTo(kSplashSize); wanted != kSplashSize) {
    setFixedSize(wanted);
    centerOnScreen(this);
  }

  timer_.setSingleShot(true);
  timer_.setInterval(5000);
  connect(&timer_, &QTimer::timeout, this, &QDialog::accept);
  timer_.start();
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SplashScreen::keyPressEvent(QKeyEvent*) { accept(); }
void SplashScreen::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace dk::ui

#include "ui/QtPrompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include "core/app/Version.h"
#include "ui/dialogs/PackageDialog.h"
#include "ui/dialogs/PlanetListDialog.h"
#include "ui/dialogs/RequiredSkillDialog.h"
#include "ui/dialogs/SkillPickerDialog.h"
#include "ui/dialogs/SpecialityDialog.h"

namespace dk::ui {

namespace {
QMessageBox::Icon toQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// Keeps a box as a box: once shown it has its size (so a window manager offers no maximise), and
// a box minimised (openbox offers that on every dialog, whatever its hints say) comes straight
// back, for a modal box out of sight would hold the whole program.
class BoxKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show)
      QTimer::singleShot(0, box, [box] { box->setFixedSize(box->size()); });
    if (event->type() == QEvent::WindowStateChange && box->isMinimized())
      QTimer::singleShot(0, box, [box] { box->showNormal(); });
    return false;
  }
};

// A box has a close button and no other, and is wide enough for its whole title.
void dressAsBox(QDialog& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  box.installEventFilter(new BoxKeeper(&box));
  box.setWindowTitle(QString::fromUtf8(kAppTitle));
  QFont title = box.font();
  title.setBold(true);
  // The title, the close button and the frame's margins.
  const int titleWidth = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 120;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    box.setMinimumWidth(titleWidth);
  }
}

int runBox(QWidget* owner, const std::string& text, MessageIcon icon,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(toQt(icon), QString::fromUtf8(kAppTitle), QString::fromStdString(text), buttons,
                  owner);
  dressAsBox(box);
  box.setDefaultButton(defaultButton);
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}
}  // namespace

QWidget* QtPrompter::owner() const {
  // A box asked for from inside an open dialog belongs over that dialog.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (parent_) return parent_->window();
  return QApplication::activeWindow();
}

void QtPrompter::showMessage(const std::string& text, MessageIcon icon) {
  runBox(owner(), text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const std::string& text, MessageIcon icon) {
  return runBox(owner(), text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

bool QtPrompter::showError(const std::string& text) {
  return runBox(owner(), text, MessageIcon::Critical, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<std::string> QtPrompter::askText(const std::string& prompt) {
  QInputDialog dialog(owner());
  dressAsBox(dialog);
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextValue(QString());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QString answer = dialog.textValue();
  if (answer.isEmpty()) return std::nullopt;
  return answer.toStdString();
}

std::optional<std::string> QtPrompter::pickSkill(const std::vector<std::string>& skillNames) {
  return showSkillPicker(skillNames, *this, owner());
}

std::optional<SpecialityChoice> QtPrompter::pickSpeciality(
    const std::vector<Speciality>& specialities, int poolEntries) {
  return showSpecialityDialog(specialities, poolEntries, *this, owner());
}

std::optional<std::vector<std::string>> QtPrompter::pickRequiredSkills(
    const RequiredSkillRequest& request) {
  return showRequiredSkillDialog(request, *this, owner());
}

std::optional<int> QtPrompter::pickPackage(const std::vector<SkillPackage>& packages, int points) {
  return showPackageDialog(packages, points, *this, owner());
}

std::optional<std::string> QtPrompter::pickPlanet(const std::vector<std::string>& planets) {
  return showPlanetList(planets, *this, owner());
}

}  // namespace dk::ui

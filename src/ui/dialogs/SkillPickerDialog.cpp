#include "ui/dialogs/SkillPickerDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Placement.h"

namespace dk::ui {

inline constexpr char kPleaseSelectASkill[] = "Please select a skill";

SkillPickerDialog::SkillPickerDialog(const std::vector<std::string>& skillNames, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName("frmSkills");
  setWindowTitle("Which Skill?");
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName("lstSkill");
  list_->setAccessibleName("Skills");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& name : skillNames) list_->addItem(QString::fromStdString(name));

  auto* okButton = new QPushButton("Ok", this);
  okButton->setObjectName("cmdOk");
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &SkillPickerDialog::ok);
  // A double click is a choice as well.
  connect(list_, &QListWidget::itemDoubleClicked, this, &SkillPickerDialog::ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(okButton, 0, Qt::AlignHCenter);
  resize(fontMetrics().horizontalAdvance("Mechanics/Wheeled and Tracked") + 80,
         fontMetrics().height() * 22);
}

void SkillPickerDialog::ok() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) {
    prompter_.showMessage(kPleaseSelectASkill, MessageIcon::Information);
    return;
  }
  choice_ = selected.front()->text().toStdString();
  accept();
}

std::optional<std::string> showSkillPicker(const std::vector<std::string>& skillNames,
                                           Prompter& prompter, QWidget* parent) {
  SkillPickerDialog dialog(skillNames, prompter, parent);
  centerOnScreen(&dialog);
  dialog.exec();
  return dialog.choice_;
}

}  // namespace dk::ui

#include "ui/dialogs/RequiredSkillDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/skills/SpecialityPicker.h"
#include "ui/Placement.h"

namespace dk::ui {

RequiredSkillDialog::RequiredSkillDialog(RequiredSkillRequest request, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), request_(std::move(request)), prompter_(prompter) {
  setObjectName("frmPickReq");
  setWindowTitle("Pick Skills");
  setModal(true);

  auto* caption = new QLabel(QString::fromStdString(request_.caption), this);
  caption->setObjectName("lblCaption");
  caption->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setObjectName("lstReq");
  list_->setAccessibleName(caption->text());  // what to pick from it
  // A click adds a skill to the choice or takes it out again.
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMinimumSize(260, 180);
  for (const std::string& name : request_.names) list_->addItem(QString::fromStdString(name));
  auto* ok = new QPushButton("Ok", this);
  ok->setObjectName("cmdOk");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &RequiredSkillDialog::confirm);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(caption);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  adjustSize();
  centerOnScreen(this);
}

void RequiredSkillDialog::confirm() {
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows())
    rows.push_back(index.row());
  picked_ = confirmRequiredPick(request_, rows, prompter_);
  if (picked_) accept();
}

std::optional<std::vector<std::string>> showRequiredSkillDialog(const RequiredSkillRequest& request,
                                                                Prompter& prompter,
                                                                QWidget* parent) {
  RequiredSkillDialog dialog(request, prompter, parent);
  dialog.exec();
  return dialog.picked_;
}

}  // namespace dk::ui

#include "ui/dialogs/PlanetListDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/gear/Planets.h"
#include "ui/Placement.h"

namespace dk::ui {

PlanetListDialog::PlanetListDialog(const std::vector<std::string>& planets, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName("frmPlanetList");
  setWindowTitle("Planet List");
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName("lstPlanets");
  list_->setAccessibleName("Planets");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* ok = new QPushButton("Ok", this);
  ok->setObjectName("cmdOk");
  ok->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(list_, 1);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  resize(260, 340);

  connect(ok, &QPushButton::clicked, this, &PlanetListDialog::confirm);
  connect(list_, &QListWidget::itemDoubleClicked, this, &PlanetListDialog::confirm);

  list_->setUniformItemSizes(true);
  for (const auto& name : planets) list_->addItem(QString::fromStdString(name));
}

void PlanetListDialog::confirm() {
  std::optional<std::string> selected;
  if (QListWidgetItem* item = list_->currentItem(); item && item->isSelected())
    selected = item->text().toStdString();
  chosen_ = confirmPlanet(selected, prompter_);
  if (chosen_) accept();
}

std::optional<std::string> showPlanetList(const std::vector<std::string>& planets,
                                          Prompter& prompter, QWidget* parent) {
  PlanetListDialog dialog(planets, prompter, parent);
  centerOnScreen(&dialog);
  dialog.exec();
  return dialog.chosen_;
}

}  // namespace dk::ui

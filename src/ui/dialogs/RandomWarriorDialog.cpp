#include "ui/dialogs/RandomWarriorDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Placement.h"

namespace dk::ui {

namespace {
QString seedText(std::uint64_t seed) { return QString::number(static_cast<qulonglong>(seed)); }
}  // namespace

RandomWarriorDialog::RandomWarriorDialog(const std::vector<Profile>& profiles, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), profiles_(profiles), prompter_(prompter) {
  setObjectName("dlgRandom");
  setWindowTitle("New Random Warrior");
  setModal(true);

  profile_ = new QComboBox(this);
  profile_->setObjectName("cboProfile");
  profile_->setAccessibleName("Profile");
  for (const Profile& p : profiles) profile_->addItem(QString::fromStdString(p.name));
  race_ = new QComboBox(this);
  race_->setObjectName("cboRace");
  race_->setAccessibleName("Race");
  race_->addItem(kAnyRace);
  for (const char* race : kForgeRaces) race_->addItem(race);
  seed_ = new QLineEdit(seedText(freshSeed()), this);
  seed_->setObjectName("txtSeed");
  seed_->setAccessibleName("Seed");
  seed_->setMinimumWidth(seed_->fontMetrics().horizontalAdvance("18446744073709551615") + 24);
  auto* newSeed = new QPushButton("New Seed", this);
  newSeed->setObjectName("cmdNewSeed");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cmdCancel");

  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(seed_, 1);
  seedRow->addWidget(newSeed);
  auto* form = new QFormLayout;
  form->addRow("&Profile:", profile_);
  form->addRow("&Race:", race_);
  // A row of a layout gets no buddy of its own: the label is given the seed field by hand.
  auto* seedLabel = new QLabel("&Seed:", this);
  seedLabel->setBuddy(seed_);
  form->addRow(seedLabel, seedRow);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  // Only the width may change: the rows keep their height.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(newSeed, &QPushButton::clicked, this, [this] { seed_->setText(seedText(freshSeed())); });
  connect(ok, &QPushButton::clicked, this, &RandomWarriorDialog::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void RandomWarriorDialog::confirm() {
  chosen_ = confirmForgeChoice(profiles_, profile_->currentText().toStdString(),
                               race_->currentText().toStdString(), seed_->text().toStdString(),
                               prompter_);
  if (chosen_) accept();
}

std::optional<ForgeRequest> showRandomDialog(const std::vector<Profile>& profiles,
                                             Prompter& prompter, QWidget* parent) {
  RandomWarriorDialog dialog(profiles, prompter, parent);
  dialog.adjustSize();  // its size before it is placed
  centerOnScreen(&dialog);
  dialog.exec();
  return dialog.chosen_;
}

}  // namespace dk::ui

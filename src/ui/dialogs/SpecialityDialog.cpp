#include "ui/dialogs/SpecialityDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/catalogue/PackageTypes.h"
#include "ui/Captions.h"
#include "ui/Placement.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

namespace {

QListWidget* nameList(QWidget* parent, const char* objectName) {
  auto* list = new QListWidget(parent);
  list->setObjectName(objectName);
  list->setMinimumSize(170, 150);
  return list;
}

}  // namespace

SpecialityDialog::SpecialityDialog(const std::vector<Speciality>& specialities, int poolEntries,
                                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), picker_(specialities, poolEntries), prompter_(prompter) {
  setObjectName("frmSkillPackage");
  setWindowTitle("Pick Skill Packages");
  setModal(true);

  specialities_ = nameList(this, "lstMOSFOS");
  for (const Speciality& s : picker_.specialities())
    specialities_->addItem(QString::fromStdString(s.name));
  requiredHeading_ = new QLabel("Required", this);
  requiredHeading_->setObjectName("lblReq");
  required_ = nameList(this, "lstReq");
  electives_ = nameList(this, "lstElect");
  add_ = makeButton(this, "cmdAdd", "Add");
  auto* remove = makeButton(this, "cmdRemove", "Remove");

  auto* offered = new QGridLayout;
  offered->addWidget(captionFor(this, "MOS/FOS:", specialities_), 0, 0);
  offered->addWidget(requiredHeading_, 0, 1);
  offered->addWidget(captionFor(this, "Electives", electives_), 0, 2);
  offered->addWidget(specialities_, 1, 0);
  offered->addWidget(required_, 1, 1);
  offered->addWidget(electives_, 1, 2);
  auto* addRemove = new QHBoxLayout;
  addRemove->addWidget(add_);
  addRemove->addWidget(remove);
  addRemove->addStretch();
  offered->addLayout(addRemove, 2, 0, 1, 3);

  auto* current = new QGroupBox("Current Skills:", this);
  gatheredRequired_ = nameList(current, "lstGReq");
  gatheredElectives_ = nameList(current, "lstGElect");
  auto* gathered = new QGridLayout(current);
  gathered->addWidget(captionFor(current, "Required", gatheredRequired_), 0, 0);
  gathered->addWidget(captionFor(current, "Electives", gatheredElectives_), 0, 1);
  // Their headings repeat those above; the names say these hold what is gathered so far.
  gatheredRequired_->setAccessibleName("Current required skills");
  gatheredElectives_->setAccessibleName("Current elective skills");
  gathered->addWidget(gatheredRequired_, 1, 0);
  gathered->addWidget(gatheredElectives_, 1, 1);

  packageType_ = new QComboBox(this);
  packageType_->setObjectName("cboPackage");
  for (const PackageType& type : packageTypes())
    packageType_->addItem(QString::fromUtf8(type.name.data(), static_cast<int>(type.name.size())));
  packageType_->setPlaceholderText("(choose one)");
  packageType_->setCurrentIndex(-1);
  auto* ok = makeButton(this, "cmdOk", "Ok");
  auto* cancel = makeButton(this, "cmdCancel", "Cancel");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(captionFor(this, "Package Type:", packageType_));
  bottom->addWidget(packageType_);
  bottom->addStretch(1);
  bottom->addWidget(ok);
  bottom->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(offered, 1);
  layout->addWidget(current, 1);
  layout->addLayout(bottom);

  // The row the player selected; the row a list makes current when it gains the focus is not
  // a choice.
  connect(specialities_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto selected = specialities_->selectedItems();
    picker_.select(selected.isEmpty() ? -1 : specialities_->row(selected.front()));
    refresh();
  });
  connect(packageType_, &QComboBox::currentIndexChanged, this,
          [this](int index) { picker_.choosePackageType(index); });
  connect(add_, &QPushButton::clicked, this, [this] {
    picker_.add(prompter_);
    refresh();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    picker_.remove(prompter_);
    refresh();
  });
  connect(ok, &QPushButton::clicked, this, &SpecialityDialog::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  refresh();
  adjustSize();
  centerOnScreen(this);
}

void SpecialityDialog::refresh() {
  const int row = picker_.selected();
  if (row >= 0) {
    const Speciality& s = picker_.specialities()[static_cast<std::size_t>(row)];
    requiredHeading_->setText(QString::fromStdString(requiredHeading(s)));
    showEntries(required_, entriesOf(s.required));
    showEntries(electives_, entriesOf(s.electives));
  } else {
    requiredHeading_->setText("Required");
    showEntries(required_, entriesOf(std::vector<std::string>{}));
    showEntries(electives_, entriesOf(std::vector<std::string>{}));
  }
  required_->setAccessibleName(requiredHeading_->text());  // the list takes its heading's name
  showEntries(gatheredRequired_, entriesOf(picker_.gatheredRequired()));
  showEntries(gatheredElectives_, entriesOf(picker_.gatheredElectives()));
  add_->setEnabled(picker_.addEnabled());
}

void SpecialityDialog::confirm() {
  switch (picker_.ok(prompter_)) {
    case SpecialityPicker::Outcome::Confirmed:
      choice_ = picker_.choice();
      accept();
      break;
    case SpecialityPicker::Outcome::Cancelled:
      reject();
      break;
    case SpecialityPicker::Outcome::Refused:
      break;
  }
}

std::optional<SpecialityChoice> showSpecialityDialog(const std::vector<Speciality>& specialities,
                                                     int poolEntries, Prompter& prompter,
                                                     QWidget* parent) {
  SpecialityDialog dialog(specialities, poolEntries, prompter, parent);
  dialog.exec();
  return dialog.choice_;
}

}  // namespace dk::ui

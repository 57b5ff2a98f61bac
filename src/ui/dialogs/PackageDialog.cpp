#include "ui/dialogs/PackageDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/Numeric.h"
#include "ui/Captions.h"
#include "ui/Placement.h"
#include "ui/widgets/ListViews.h"

namespace dk::ui {

PackageDialog::PackageDialog(const std::vector<SkillPackage>& packages, int points,
                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), picker_(packages, points), prompter_(prompter) {
  setObjectName("frmPackage");
  setWindowTitle("Pick Package");
  setModal(true);

  packages_ = new QListWidget(this);
  packages_->setObjectName("lstPack");
  packages_->setMinimumSize(200, 200);
  for (const SkillPackage& p : picker_.packages())
    packages_->addItem(QString::fromStdString(p.name));
  skills_ = makeListView(this, "lstPackSkl", {"Skill", "Level"});
  skills_->setMinimumSize(240, 200);
  skills_->setSelectionMode(QAbstractItemView::NoSelection);
  cost_ = new QLineEdit(this);
  cost_->setObjectName("txtCost");
  cost_->setReadOnly(true);
  // Shown, not typed into: the background of the dialog, as the warrior window's locked boxes.
  QPalette shown = cost_->palette();
  shown.setBrush(QPalette::Base, shown.window());
  cost_->setPalette(shown);
  cost_->setMaximumWidth(60);
  auto* ok = new QPushButton("Ok", this);
  ok->setObjectName("cmdOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cmdCancel");
  cancel->setAutoDefault(false);

  auto* lists = new QGridLayout;
  lists->addWidget(captionFor(this, "Package Name", packages_), 0, 0);
  lists->addWidget(captionFor(this, "Skills", skills_), 0, 1);
  lists->addWidget(packages_, 1, 0);
  lists->addWidget(skills_, 1, 1);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(1, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(captionFor(this, "Cost:", cost_));
  bottom->addWidget(cost_);
  bottom->addStretch(1);
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);

  // The row the player selected; the row a list makes current when it gains the focus is not
  // a choice.
  connect(packages_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto selected = packages_->selectedItems();
    picker_.select(selected.isEmpty() ? -1 : packages_->row(selected.front()));
    refresh();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    taken_ = picker_.ok(prompter_);
    if (taken_) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  adjustSize();
  centerOnScreen(this);
}

void PackageDialog::refresh() {
  const SkillPackage* package = picker_.selected();
  const auto rows = rowsOf(
      package ? package->skills : std::vector<SkillPackageEntry>{}, [](const SkillPackageEntry& s) {
        return QStringList{QString::fromStdString(s.name), QString::fromStdString(s.level)};
      });
  showRows(skills_, rows, currentName(skills_));
  cost_->setText(package ? QString::fromStdString(toText(package->cost)) : QString());
}

std::optional<int> showPackageDialog(const std::vector<SkillPackage>& packages, int points,
                                     Prompter& prompter, QWidget* parent) {
  PackageDialog dialog(packages, points, prompter, parent);
  dialog.exec();
  return dialog.taken_;
}

}  // namespace dk::ui

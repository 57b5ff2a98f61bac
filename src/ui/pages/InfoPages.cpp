#include "ui/pages/InfoPages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <tuple>

#include "core/app/Explain.h"
#include "core/app/SaveWarrior.h"
#include "core/character/Characteristics.h"
#include "core/files/FileLimits.h"
#include "core/gear/Affiliations.h"
#include "core/gear/Money.h"

namespace dk::ui {

namespace {
QStringList toList(const std::vector<std::string>& values) {
  QStringList out;
  for (const auto& v : values) out << QString::fromStdString(v);
  return out;
}

QFormLayout* compactForm(QWidget* parent) {
  auto* form = new QFormLayout(parent);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setContentsMargins(8, 6, 8, 6);
  form->setHorizontalSpacing(6);
  form->setVerticalSpacing(4);
  return form;
}

FieldBindings bindingsFor(PageHost& owner) {
  return FieldBindings([&owner]() -> Warrior& { return owner.document().warrior(); },
                       [&owner](FieldBindings::Field field) { owner.fieldEdited(field); });
}
}  // namespace

WarriorInfoPage::WarriorInfoPage(PageHost& owner)
    : WarriorPage(owner, "tabWarriorInfo"), fields_(bindingsFor(owner)) {
  auto* identity = new QGroupBox(this);
  identity->setObjectName("fraIdentity");
  auto* idForm = compactForm(identity);
  idForm->addRow("Name:", fields_.line(identity, "txtName", &Warrior::name));
  idForm->addRow("Rank:", fields_.line(identity, "txtRank", &Warrior::rank));
  idForm->addRow("Affiliation:", fields_.combo(identity, "cboAffil", &Warrior::affiliation,
                                               toList(affiliationChoices()), true));
  auto* planetRow = new QHBoxLayout;
  planetRow->setSpacing(2);
  auto* homePlanet = fields_.line(identity, "txtHP", &Warrior::homePlanet);
  planetRow->addWidget(homePlanet, 1);
  auto* planets = new QPushButton("<", identity);
  planets->setObjectName("cmdPlanets");
  planets->setToolTip("Pick the home planet from the planet list");
  planets->setAccessibleName(planets->toolTip());
  planets->setFixedWidth(planets->fontMetrics().horizontalAdvance("<") + 18);
  bind(planets, commands::choosePlanet());
  planetRow->addWidget(planets);
  idForm->addRow("Home Planet:", planetRow);
  // A caption over a row of controls belongs to none of them by itself: it names the field.
  if (auto* caption = qobject_cast<QLabel*>(idForm->labelForField(planetRow)))
    caption->setBuddy(homePlanet);
  vehicle_ = fields_.line(identity, "txtVP", &Warrior::vehicleType);
  idForm->addRow("Mech/Vehicle Type:", vehicle_);

  auto* money = new QGroupBox("Money", this);
  money->setObjectName("fraMoney");
  auto* moneyForm = compactForm(money);
  moneyForm->addRow("C-Bills", fields_.line(money, "txtCBills", &Warrior::cBillsText, true));
  moneyForm->addRow("Equipment:",
                    fields_.line(money, "txtECBills", &Warrior::equipmentCBillsText, true));
  moneyForm->addRow("Asset Worth",
                    fields_.line(money, "txtAssets", &Warrior::assetWorthText, true));
  transfer_ = new QPushButton("Transfer Equipment C-Bills", money);
  transfer_->setObjectName("cmdTransMoney");
  moneyForm->addRow(transfer_);
  bind(transfer_, commands::transferEquipmentCBills());

  auto* misc = new QGroupBox("Miscellaneous", this);
  misc->setObjectName("fraMisc");
  auto* miscForm = compactForm(misc);
  miscForm->addRow("Edge:", fields_.line(misc, "txtEdge", &Warrior::edge));
  miscForm->addRow("Edge Used:", fields_.line(misc, "txtEdgeUsed", &Warrior::edgeUsed));
  miscForm->addRow("AP Total", fields_.line(misc, "txtAP", &Warrior::apTotal));
  miscForm->addRow("SP Total", fields_.line(misc, "txtSP", &Warrior::spTotal));

  auto* thresholds = new QGroupBox("Damage Thresholds", this);
  thresholds->setObjectName("fraThresholds");
  auto* dtForm = compactForm(thresholds);
  const std::array<std::tuple<const char*, const char*, std::string Warrior::*>, kThresholdParts>
      parts{{{"Head:", "txtDTHead", &Warrior::thresholdHead},
             {"Torso:", "txtDTTorso", &Warrior::thresholdTorso},
             {"Arm:", "txtDTArm", &Warrior::thresholdArm},
             {"Leg:", "txtDTLeg", &Warrior::thresholdLeg}}};
  for (int part = 0; part < kThresholdParts; ++part) {
    const auto& [caption, name, field] = parts[part];
    thresholds_[part] = fields_.line(thresholds, name, field);
    dtForm->addRow(caption, thresholds_[part]);
  }

  // Money and thresholds hold short numbers: keep their boxes narrow.
  for (auto* box : {money, misc, thresholds})
    for (auto* edit : box->findChildren<QLineEdit*>()) edit->setMinimumWidth(32);

  auto* lower = new QHBoxLayout;
  lower->setSpacing(6);
  // The money box keeps the width of its transfer button; the other two share the rest.
  const QMargins frame = moneyForm->contentsMargins();
  money->setMinimumWidth(transfer_->sizeHint().width() + frame.left() + frame.right() + 4);
  lower->addWidget(money, 0);
  lower->addWidget(misc, 1);
  lower->addWidget(thresholds, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addWidget(identity);
  layout->addLayout(lower);
  layout->addStretch();
}

void WarriorInfoPage::refresh() {
  fields_.refresh();
  for (int part = 0; part < kThresholdParts; ++part) {
    const auto which = static_cast<ThresholdPart>(part);
    thresholds_[part]->setToolTip(QString::fromStdString(
        derivedTip(thresholdText(warrior(), which), thresholdFormula(warrior(), which))));
  }
  vehicle_->setEnabled(warrior().vehicleTypeEnabled);
  transfer_->setEnabled(!warrior().cBillsTransferred);
}

NotesPage::NotesPage(PageHost& owner)
    : WarriorPage(owner, "tabNotes"), fields_(bindingsFor(owner)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  // A paste that would take the notes past what a warrior file holds is refused with a
  // message, while the text is still on the clipboard, rather than at the next save.
  auto* notes = fields_.multiLine(this, "txtNotes", &Warrior::notes, [&owner](const QString& text) {
    return acceptNotes(text.toStdString(), owner.document().context().prompter);
  });
  // Tab leaves the notes for the next control, as in every other box of the window.
  notes->setTabChangesFocus(true);
  notes->setAccessibleName("Notes");
  layout->addWidget(notes);
}

PersonalPage::PersonalPage(PageHost& owner)
    : WarriorPage(owner, "tabPersonal"), fields_(bindingsFor(owner)) {
  auto* appearance = new QGroupBox("Appearance", this);
  appearance->setObjectName("fraAppearance");
  auto* a = compactForm(appearance);
  a->addRow("Age", fields_.line(appearance, "txtAge", &Warrior::age));
  a->addRow("Sex", fields_.combo(appearance, "cboSex", &Warrior::sex, toList(sexChoices()), false));
  a->addRow("Height", fields_.line(appearance, "txtHeight", &Warrior::height));
  a->addRow("Weight", fields_.line(appearance, "txtWeight", &Warrior::weight));
  a->addRow("Hair Color", fields_.line(appearance, "txtHairColor", &Warrior::hairColor));
  a->addRow("Eye Color", fields_.line(appearance, "txtEyeColor", &Warrior::eyeColor));

  auto* family = new QGroupBox("Family", this);
  family->setObjectName("fraFamily");
  auto* f = compactForm(family);
  f->addRow("Nationality", fields_.line(family, "txtNation", &Warrior::nationality));
  f->addRow("Date Of Birth", fields_.line(family, "txtDOB", &Warrior::dateOfBirth));
  f->addRow("Place Of Birth", fields_.line(family, "txtPOB", &Warrior::placeOfBirth));
  f->addRow("Num Of Siblings", fields_.line(family, "txtNumSibb", &Warrior::siblings));
  f->addRow("Husband/Wife", fields_.line(family, "txtHW", &Warrior::spouse));

  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  row->addWidget(appearance, 1, Qt::AlignTop);
  row->addWidget(family, 1, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(row);
  layout->addStretch();
}

}  // namespace dk::ui

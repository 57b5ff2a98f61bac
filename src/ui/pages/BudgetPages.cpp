#include "ui/pages/BudgetPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QVBoxLayout>

#include "core/app/Explain.h"
#include "core/budget/Priorities.h"
#include "core/character/Attributes.h"
#include "core/character/Characteristics.h"
#include "core/character/Race.h"
#include "core/model/DamageTrack.h"

namespace dk::ui {

namespace {
QLabel* valueLabel(QWidget* parent, const QString& name, Qt::Alignment align = Qt::AlignCenter) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(align);
  return label;
}

QPushButton* smallButton(QWidget* parent, const QString& name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance("->") + 16);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

// A priority bar, which can be told to stop stepping while its arrow is still held down, and
// which shows when it has the keyboard focus (scroll bars are not drawn with one).
// The highest level stands at the top: the up arrow, a click above the thumb, the Up key and the
// wheel turned up all raise the level (a scroll bar's own arrows would lower it).
class PriorityBar : public QScrollBar {
 public:
  explicit PriorityBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    setInvertedControls(false);
  }
  void stopRepeating() { setRepeatAction(SliderNoAction); }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl control = style()->hitTestComplexControl(
        QStyle::CC_ScrollBar, &option, event->position().toPoint(), this);
    // The arrows and the track step the other way round; the thumb drags as it is drawn.
    SliderAction action = SliderNoAction;
    if (control == QStyle::SC_ScrollBarSubLine) action = SliderSingleStepAdd;
    if (control == QStyle::SC_ScrollBarAddLine) action = SliderSingleStepSub;
    if (control == QStyle::SC_ScrollBarSubPage) action = SliderPageStepAdd;
    if (control == QStyle::SC_ScrollBarAddPage) action = SliderPageStepSub;
    if (event->button() != Qt::LeftButton || action == SliderNoAction)
      return QScrollBar::mousePressEvent(event);
    event->accept();
    triggerAction(action);
  }

  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
};
}  // namespace

// --- Priorities

PrioritiesPage::PrioritiesPage(PageHost& owner) : WarriorPage(owner, "tabPriorities") {
  struct PoolNames {
    const char* bar;
    const char* echo;
    const char* grant;
  };
  static constexpr std::array<PoolNames, kPoolCount> names{{
      {"vsPRace", "lblPRaceVal", "lblraceget"},
      {"vsPAtt", "lblPAttVal", "lblattget"},
      {"vsPSkl", "lblPSklVal", "lblsklget"},
      {"vsPAdv", "lblPAdvVal", "lbladvget"},
      {"vsPBM", "lblPBMVal", "lblbmget"},
  }};

  auto* box = new QGroupBox("Priority Levels", this);
  box->setObjectName("fraPriorities");
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  for (int p = 0; p < kPoolCount; ++p) {
    const QString poolName = poolTitle(static_cast<Pool>(p));
    auto* title = new QLabel(poolName, box);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    echoes_[p] = valueLabel(box, names[p].echo);
    auto* bar = new PriorityBar(box);
    bar->setObjectName(names[p].bar);
    // Scroll bars take no focus of their own; these are the page's controls, set with the arrow
    // keys as well as the mouse.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(poolName + " priority");
    bar->setRange(0, 4);
    bar->setPageStep(1);
    bar->setSingleStep(1);
    // A drag changes the level once, where it is let go (a refusal box in the middle of a drag
    // would leave the thumb stuck to the mouse).
    bar->setTracking(false);
    bar->setFixedHeight(200);
    bars_[p] = bar;
    grants_[p] = valueLabel(box, names[p].grant);
    grants_[p]->setMinimumWidth(grants_[p]->fontMetrics().horizontalAdvance("Dispossessed") + 4);
    // Rows 1 to 4; the empty rows above and below take what room the window has to spare, so
    // the bars keep their size and stand together in the middle.
    grid->addWidget(title, 1, p, Qt::AlignHCenter);
    grid->addWidget(echoes_[p], 2, p, Qt::AlignHCenter);
    grid->addWidget(bar, 3, p, Qt::AlignHCenter);
    grid->addWidget(grants_[p], 4, p, Qt::AlignHCenter);
    grid->setColumnStretch(p, 1);
    // A step past either end changes nothing; the status line says why.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, p, bar](int action) {
      const bool up = action == QAbstractSlider::SliderSingleStepAdd ||
                      action == QAbstractSlider::SliderPageStepAdd;
      const bool down = action == QAbstractSlider::SliderSingleStepSub ||
                        action == QAbstractSlider::SliderPageStepSub;
      if ((up && bar->value() >= bar->maximum()) || (down && bar->value() <= bar->minimum()))
        run(commands::priorityAtBound(static_cast<Pool>(p), up));
    });
    connect(bar, &QScrollBar::valueChanged, this, [this, p, bar](int level) {
      // One click, one level. A held arrow would keep stepping, and when the level asks a
      // question the button is let go over the box, so the bar never hears of it and would run
      // on to the end of its range behind the box.
      bar->stopRepeating();
      run(commands::movePriority(static_cast<Pool>(p), level));
    });
  }
  grid->setRowStretch(0, 1);
  grid->setRowStretch(5, 1);

  pointsLeft_ = valueLabel(this, "lblPL", Qt::AlignLeft | Qt::AlignVCenter);
  QFont big = pointsLeft_->font();
  big.setBold(true);
  pointsLeft_->setFont(big);
  auto* pointsRow = new QHBoxLayout;
  pointsRow->addWidget(new QLabel("Points Left:", this));
  pointsRow->addWidget(pointsLeft_);
  pointsRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(box, 1);
  layout->addLayout(pointsRow);
}

void PrioritiesPage::refresh() {
  const Warrior& w = warrior();
  for (int p = 0; p < kPoolCount; ++p) {
    const QSignalBlocker block(bars_[p]);
    bars_[p]->setMaximum(priorityBarMaximum(w, static_cast<Pool>(p)));
    bars_[p]->setValue(w.priorityLevel[p]);
    echoes_[p]->setText(QString::fromStdString(w.priorityEcho[p]));
    grants_[p]->setText(QString::fromStdString(w.priorityGrant[p]));
  }
  pointsLeft_->setText(QString::fromStdString(w.pointsLeft));
  pointsLeft_->setToolTip(QString::fromStdString(derivedTip(
      w.pointsLeft, pointsLeftFormula(w, owner_.document().context().shared.priorityMaximum))));
}

// --- Stats

StatsPage::StatsPage(PageHost& owner) : WarriorPage(owner, "tabStats") {
  auto* top = new QHBoxLayout;
  top->setSpacing(6);
  top->addWidget(buildAttributes(), 0);

  auto* right = new QVBoxLayout;
  right->setSpacing(6);
  auto* freeBox = new QGroupBox("Free Attribute Points", this);
  freeBox->setObjectName("fraFree");
  auto* freeRow = new QHBoxLayout(freeBox);
  freeRow->setContentsMargins(8, 4, 8, 4);
  freeRow->addWidget(new QLabel("Free:", freeBox));
  free_ = valueLabel(freeBox, "lblFAtt", Qt::AlignLeft | Qt::AlignVCenter);
  freeRow->addWidget(free_, 1);

  auto* charBox = new QGroupBox("Characteristics", this);
  charBox->setObjectName("fraCharacteristics");
  auto* charGrid = new QGridLayout(charBox);
  charGrid->setContentsMargins(8, 4, 8, 4);
  charGrid->setVerticalSpacing(2);
  const std::array<std::pair<const char*, const char*>, kCharacteristicCount> chars{{
      {"Athletic:", "lblAthVal"},
      {"Physical:", "lblPhyVal"},
      {"Mental:", "lblMentVal"},
      {"Social:", "lblSocVal"},
  }};
  for (int c = 0; c < kCharacteristicCount; ++c) {
    charGrid->addWidget(new QLabel(chars[c].first, charBox), c, 0);
    characteristics_[c] = valueLabel(charBox, chars[c].second, Qt::AlignRight | Qt::AlignVCenter);
    charGrid->addWidget(characteristics_[c], c, 1);
  }
  right->addWidget(freeBox);
  right->addWidget(charBox);
  right->addStretch();
  top->addLayout(right, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addWidget(buildDamageGrid());
  layout->addStretch();
}

QWidget* StatsPage::buildAttributes() {
  struct Row {
    const char* value;
    const char* down;
    const char* up;
  };
  static constexpr std::array<Row, kAttributeCount> rows{{
      {"lblValBld", "cmdBldDown", "cmdBldUp"},
      {"lblValRef", "cmdRefDown", "cmdRefUp"},
      {"lblValInt", "cmdIntDown", "cmdIntUp"},
      {"lblValLrn", "cmdLrnDown", "cmdLrnUp"},
      {"lblValCha", "cmdChaDown", "cmdChaUp"},
  }};
  auto* box = new QGroupBox("Attributes", this);
  box->setObjectName("fraAttributes");
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  for (int a = 0; a < kAttributeCount; ++a) {
    const auto attribute = static_cast<Attribute>(a);
    const QString attributeName = attributeTitle(attribute);
    grid->addWidget(new QLabel(attributeName + ":", box), a, 0);
    scores_[a] = valueLabel(box, rows[a].value);
    scores_[a]->setMinimumWidth(scores_[a]->fontMetrics().horizontalAdvance("00") + 8);
    auto* down = smallButton(box, rows[a].down, "<-");
    auto* up = smallButton(box, rows[a].up, "->");
    down->setAccessibleName("Lower " + attributeName);
    up->setAccessibleName("Raise " + attributeName);
    grid->addWidget(down, a, 1);
    grid->addWidget(scores_[a], a, 2);
    grid->addWidget(up, a, 3);
    bind(up, commands::raiseAttribute(attribute));
    bind(down, commands::lowerAttribute(attribute));
  }
  addMods_ = new QPushButton("Add Race Mods", box);
  addMods_->setObjectName("cmdAddRacialMods");
  removeMods_ = new QPushButton("Delete Race Mods", box);
  removeMods_->setObjectName("cmdRemRacialMods");
  grid->addWidget(addMods_, kAttributeCount, 0, 1, 4);
  grid->addWidget(removeMods_, kAttributeCount + 1, 0, 1, 4);
  bind(addMods_, commands::addRaceMods());
  bind(removeMods_, commands::removeRaceMods());
  return box;
}

QWidget* StatsPage::buildDamageGrid() {
  auto* box = new QGroupBox("Damage Condition", this);
  box->setObjectName("fraDamage");
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(1);
  grid->setVerticalSpacing(1);
  constexpr int kFirstBoxColumn = 3;
  const QFontMetrics metrics = box->fontMetrics();
  grid->addWidget(new QLabel("WF", box), 0, 0);
  grid->addWidget(new QLabel("Condition", box), 0, 1);
  grid->addWidget(new QLabel("Save", box), 0, 2);
  grid->setColumnMinimumWidth(0, metrics.horizontalAdvance("WF") + 8);
  grid->setColumnMinimumWidth(1, metrics.horizontalAdvance("Condition") + 8);
  grid->setColumnMinimumWidth(2, metrics.horizontalAdvance("Save") + 8);
  for (int k = 0; k < kDamageColumns / 2; ++k) {
    auto* label = valueLabel(box, QString("lblDam%1").arg(k + 1));
    label->setText(QString::number(k + 1));
    pairLabels_[k] = label;
    grid->addWidget(label, 0, kFirstBoxColumn + 2 * k, 1, 2, Qt::AlignCenter);
  }
  for (int r = 0; r < kDamageRows; ++r) {
    const DamageCondition& row = kDamageConditions[r];
    grid->addWidget(new QLabel(row.woundFactor, box), r + 1, 0);
    grid->addWidget(new QLabel(row.condition, box), r + 1, 1);
    grid->addWidget(new QLabel(row.save, box), r + 1, 2);
    for (int c = 0; c < kDamageColumns; ++c) {
      auto* tick = new QCheckBox(box);
      tick->setObjectName(QString("Damage%1_%2").arg(c + 1).arg(r));
      tick->setFocusPolicy(Qt::TabFocus);
      tick->setAccessibleName(QString("%1 damage box %2").arg(row.condition).arg(c + 1));
      boxes_[r][c] = tick;
      // A gap after each pair keeps the numbered pairs apart.
      grid->addWidget(tick, r + 1, kFirstBoxColumn + c, Qt::AlignCenter);
      connect(tick, &QCheckBox::toggled, this,
              [this, r, c](bool on) { run(commands::setDamageBox(r, c, on)); });
    }
    auto* fill = smallButton(box, QString("cmdFillDam_%1").arg(r), "->");
    auto* clear = smallButton(box, QString("cmdUnFillDam_%1").arg(r), "<-");
    fill->setFixedHeight(fill->sizeHint().height() - 6);
    clear->setFixedHeight(clear->sizeHint().height() - 6);
    fill->setAccessibleName(QString("Tick every %1 damage box").arg(row.condition));
    clear->setAccessibleName(QString("Clear every %1 damage box").arg(row.condition));
    grid->addWidget(fill, r + 1, kFirstBoxColumn + kDamageColumns + 1);
    grid->addWidget(clear, r + 1, kFirstBoxColumn + kDamageColumns + 2);
    bind(fill, commands::fillDamageRow(r));
    bind(clear, commands::clearDamageRow(r));
  }
  grid->setColumnMinimumWidth(kFirstBoxColumn + kDamageColumns, 6);
  grid->setColumnStretch(kFirstBoxColumn + kDamageColumns, 1);
  return box;
}

void StatsPage::refresh() {
  const Warrior& w = warrior();
  for (int a = 0; a < kAttributeCount; ++a)
    scores_[a]->setText(QString::fromStdString(w.attributeScore[a]));
  // Each derived value says how it is worked out, with this warrior's numbers.
  for (int c = 0; c < kCharacteristicCount; ++c) {
    characteristics_[c]->setText(QString::fromStdString(w.characteristic[c]));
    characteristics_[c]->setToolTip(QString::fromStdString(
        derivedTip(w.characteristic[c], characteristicFormula(w, static_cast<Characteristic>(c)))));
  }
  free_->setText(QString::fromStdString(w.freeAttributePoints));
  free_->setToolTip(QString::fromStdString(freeAttributePointsTip(w)));
  addMods_->setEnabled(w.raceModsAddable);
  removeMods_->setEnabled(w.raceModsRemovable);
  const int pairs = damagePairsInUse(w);
  for (int k = 0; k < kDamageColumns / 2; ++k) pairLabels_[k]->setVisible(k < pairs);
  for (int r = 0; r < kDamageRows; ++r) {
    for (int c = 0; c < kDamageColumns; ++c) {
      QCheckBox* tick = boxes_[r][c];
      const QSignalBlocker block(tick);
      tick->setChecked(w.damageBoxes[r][c] != 0);
      tick->setVisible(damageColumnInUse(w, c + 1));
    }
  }
}

}  // namespace dk::ui

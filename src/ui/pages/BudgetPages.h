#pragma once
// The pages of the point budget: "Priorities" (five bars) and "Stats" (attributes,
// characteristics, race modifiers and the damage condition grid).

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>

#include "core/model/Warrior.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class PrioritiesPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit PrioritiesPage(PageHost& owner);
  void refresh() override;

 private:
  std::array<QScrollBar*, kPoolCount> bars_{};
  std::array<QLabel*, kPoolCount> echoes_{};
  std::array<QLabel*, kPoolCount> grants_{};
  QLabel* pointsLeft_ = nullptr;
};

class StatsPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit StatsPage(PageHost& owner);
  void refresh() override;

 private:
  QWidget* buildAttributes();
  QWidget* buildDamageGrid();

  std::array<QLabel*, kAttributeCount> scores_{};
  std::array<QLabel*, kCharacteristicCount> characteristics_{};
  QLabel* free_ = nullptr;
  QPushButton* addMods_ = nullptr;
  QPushButton* removeMods_ = nullptr;
  std::array<std::array<QCheckBox*, kDamageColumns>, kDamageRows> boxes_{};
  std::array<QLabel*, kDamageColumns / 2> pairLabels_{};
};

}  // namespace dk::ui

#pragma once
#include <array>
// The pages that show the record's own texts: "Warrior Info", "Notes", "Personal Information".

#include <QLabel>
#include <QPushButton>

#include "ui/Binding.h"
#include "ui/pages/WarriorPage.h"

namespace dk::ui {

class WarriorInfoPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit WarriorInfoPage(PageHost& owner);
  void refresh() override;

 private:
  FieldBindings fields_;
  QLineEdit* vehicle_ = nullptr;
  std::array<QLineEdit*, 4> thresholds_{};  // head, torso, arm, leg
  QPushButton* transfer_ = nullptr;
};

class NotesPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit NotesPage(PageHost& owner);
  void refresh() override { fields_.refresh(); }

 private:
  FieldBindings fields_;
};

class PersonalPage : public WarriorPage {
  Q_OBJECT
 public:
  explicit PersonalPage(PageHost& owner);
  void refresh() override { fields_.refresh(); }

 private:
  FieldBindings fields_;
};

}  // namespace dk::ui

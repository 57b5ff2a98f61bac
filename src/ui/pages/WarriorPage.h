#pragma once
// One tab page of a warrior window, and what it sees of the window: a page reads the record,
// hands each event to one rule through its host, and redraws from the record when told.

#include <QWidget>
#include <functional>
#include <string>

#include "core/catalogue/GearCatalogue.h"
#include "core/context/RuleContext.h"
#include "core/model/Warrior.h"

namespace dk::ui {

// What a page needs of the window it sits in.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual Warrior& warrior() = 0;
  // Runs one rule on the window's rule context, then redraws every page from the record. `step`
  // names it for undo ("Raise Build"); a rule that changes nothing but a selection makes no
  // step.
  virtual void applyRule(const std::string& step,
                         const std::function<void(RuleContext&)>& rule) = 0;
  // The weapon or equipment catalogue the window was created with.
  virtual const GearCatalogue& catalogue(GearKind kind) const = 0;
  virtual Prompter& prompter() = 0;
  // The user typed into a text field of the record (the name rewrites the caption).
  virtual void fieldEdited(std::string Warrior::*field) = 0;
};

class WarriorPage : public QWidget {
  Q_OBJECT
 public:
  WarriorPage(PageHost& host, const char* objectName) : owner_(host) {
    setObjectName(objectName);
  }
  // Draws the page from the record, with its controls' signals blocked.
  virtual void refresh() = 0;

 protected:
  Warrior& warrior() { return owner_.warrior(); }
  // A change that needs no rule context (a selection, a tick), then the redraw.
  void apply(const std::string& step, const std::function<void()>& change) {
    owner_.applyRule(step, [&](RuleContext&) { change(); });
  }
  // A click that only selects.
  void select(const std::function<void()>& change) { apply({}, change); }
  PageHost& owner_;
};

}  // namespace dk::ui

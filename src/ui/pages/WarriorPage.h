#pragma once
// One tab page of a warrior window, and what it sees of the window: a page reads the warrior of
// the window's document, binds each control to one command, and redraws when told.

#include <QAbstractButton>
#include <QWidget>
#include <string>

#include "core/app/Commands.h"
#include "core/app/WarriorDocument.h"

namespace dk::ui {

// What a page needs of the window it sits in.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual WarriorDocument& document() = 0;
  // Runs the command on the document, then redraws every page.
  virtual void run(const Command& command) = 0;
  // The user typed into a text field of the record (the name rewrites the caption).
  virtual void fieldEdited(std::string Warrior::*field) = 0;
};

class WarriorPage : public QWidget {
  Q_OBJECT
 public:
  WarriorPage(PageHost& host, const char* objectName) : owner_(host) { setObjectName(objectName); }
  // Draws the page from the record, with its controls' signals blocked.
  virtual void refresh() = 0;

 protected:
  Warrior& warrior() { return owner_.document().warrior(); }
  const GearCatalogue& catalogue(GearKind kind) const { return owner_.document().catalogue(kind); }
  const SkillCatalogue& skillCatalogue() {
    return owner_.document().context().shared.skillCatalogue;
  }
  void run(const Command& command) { owner_.run(command); }
  // Each click of the button runs the command.
  void bind(QAbstractButton* button, Command command) {
    connect(button, &QAbstractButton::clicked, this,
            [this, command = std::move(command)] { owner_.run(command); });
  }
  PageHost& owner_;
};

}  // namespace dk::ui

#pragma once
// Saving as the warrior window does it, with the user told what went wrong; and the notes box's
// check that its text still fits a warrior file, told while the text is on the clipboard.

#include <string>
#include <string_view>

#include "core/context/Prompter.h"
#include "core/model/Warrior.h"

namespace dk {

// "The warrior could not be saved to "<path>": <reason>. ..."
std::string saveFailedMessage(const std::string& path, const std::string& reason);

// On success filePath becomes path and true is returned; on failure the user is told which file
// could not be saved and why, and nothing changes.
bool saveWarriorReporting(Warrior& warrior, const std::string& path, Prompter& prompter);

// Whether the notes may become this text; when not, the user is told and false is returned.
bool acceptNotes(std::string_view notes, Prompter& prompter);

}  // namespace dk

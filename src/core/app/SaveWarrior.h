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

// The question before a save over a file that another program or user wrote since this warrior
// was opened from it or last saved to it.
std::string changedOnDiskQuestion(const std::string& path);

// The file name a chooser offers for a warrior (its file, or its sheet as a PDF): its name with
// the extension, less what a file name cannot hold on the desktops it may be copied to; empty for
// no name.
std::string suggestedFileName(const Warrior& warrior, std::string_view extension = ".war");

// On success filePath becomes path and true is returned; on failure the user is told which file
// could not be saved and why, and nothing changes.
bool saveWarriorReporting(Warrior& warrior, const std::string& path, Prompter& prompter);

// Whether the notes may become this text; when not, the user is told and false is returned.
bool acceptNotes(std::string_view notes, Prompter& prompter);

}  // namespace dk

#pragma once
// The character sheet: one portrait page of fixed-pitch text at exact positions, drawn from the
// record's texts onto a print surface. Columns inside a line are lined up with blanks, which
// works because every character of the sheet font is 108 twips wide.
//
// No text runs into its neighbour: a list row too wide for its column wraps inside the column
// (a name under itself, what follows it on its last line) and the rows below move down. What
// does not fit its place on the page is never drawn over other parts of the sheet: list rows
// below their section's last row, notes beyond their rectangle and typed values too long for
// their line go, in sheet order, onto continuation pages. A sheet whose texts fit keeps exactly
// the one page and the layout it always had.

#include <string>

#include "core/model/Warrior.h"
#include "core/printing/PrintSurface.h"

namespace dk {

inline constexpr char kSheetFontName[] = "Courier New";
inline constexpr int kSheetFontPoints = 9;
inline constexpr int kSheetMargin = 100;
inline constexpr int kSheetCharacterWidth = 108;  // twips per character at 9 points
inline constexpr int kSheetRowHeight = 200;
// The preview control's width, from which the notes rectangle is placed.
inline constexpr int kPreviewControlWidth = 6495;
// The empty square of one character cell that stands for a damage box.
inline constexpr char kDamageBox[] = "\u25A1";
// The sheet has room for this many damage box pairs (two columns per point of Build).
inline constexpr int kSheetDamagePairs = 8;

// The right edge of the printed area on the narrower of Letter and A4 paper. A value typed by
// the user that would run past it (or into the column to its right) is cut on the sheet and
// printed whole on a continuation page.
inline constexpr int kSheetRightEdge = 11806;

// Continuation pages: one column at the left, as long as the sheet's own rows, and no lower or
// wider than both Letter and A4 paper allow.
inline constexpr int kContinuationLeft = 350;
inline constexpr int kContinuationTop = 350;
inline constexpr int kContinuationBottom = 15000;
inline constexpr int kContinuationWidth = 10800;

// The save printed beside an attribute score: 12 - score.
int attributeSave(const std::string& scoreText);

// Draws the whole sheet of a warrior: preview true shows it, false sends it to the printer.
void printWarriorSheet(const Warrior& warrior, PrintSurface& surface, bool preview);

}  // namespace dk

// The inline markup every text of the game is written in: "~<" items ">" switches
// font, size, colour, style, alignment and bullet for the text after it, up to the
// next tag. Texts from the adventure may be paged at lines that are exactly "*".
#pragma once

#include <string>
#include <vector>

class TOutputPane;

// Location title lines.
inline const std::string FRMT_LOC_NAME = "~<c:#6AD6F4;b;>";
// Labels of a location's contents summary.
inline const std::string FRMT_LOC_CONT = "~<c:#FFEDAD;>";
// Output of the location action buttons.
inline const std::string ActionTextStyle = "~<c:#8FBC8B;>";

// Appends the text as a new paragraph; returns the item list of the last tag
// applied (empty when none). An empty text prints an empty line.
std::string AppendText(TOutputPane& pane, const std::string& text);
// The same on the main window's output pane.
std::string AppendText(const std::string& text);

// Sets the insertion attributes from one tag's item list.
void ApplyStyleTag(TOutputPane& pane, const std::string& items);

// Prints an adventure text, waiting for "Continue..." between its pages.
void AppendPaged(const std::vector<std::string>& lines);

// With clear set empties the pane; otherwise prints a blank and scrolls down.
void ClearOrScrollOutput(bool clear);

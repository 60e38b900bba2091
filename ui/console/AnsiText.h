// The output pane in a terminal: paragraphs as lines with styles and 24-bit colour.
#pragma once

#include <string>

#include "platform/Font.h"

struct TParagraph;

// What the terminal is given besides the words.
struct TTerminalLook {
    // Bold, italic, underline and strike-out.
    bool Styles = false;
    // The adventure's colours as 24-bit escapes.
    bool Colours = false;
    // The pane's own text colour: drawn in the terminal's default colour, which
    // reads on light and dark themes alike.
    TColor Plain = clWhite;
};

// One paragraph as terminal text, in UTF-8.
std::string AnsiParagraph(const TParagraph& paragraph, const TTerminalLook& look, int width = 80);

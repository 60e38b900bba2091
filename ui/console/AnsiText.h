// The output pane in a terminal: paragraphs as lines with 24-bit colour and styles.
#pragma once

#include <string>

struct TParagraph;

// One paragraph as terminal text; colour codes only when colour is set.
std::string AnsiParagraph(const TParagraph& paragraph, bool colour, int width = 80);

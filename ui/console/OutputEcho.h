// Writes to the terminal what the output pane gained since the last flush.
#pragma once

#include <algorithm>
#include <iostream>

#include "platform/OutputPane.h"
#include "ui/console/AnsiText.h"

class TOutputEcho {
public:
    TOutputEcho(const TOutputPane& pane, bool colour) : Pane(pane), Colour(colour) {}

    void Flush()
    {
        // Paragraphs dropped from the pane's history before they were echoed are gone.
        for (Shown = std::max(Shown, Pane.FirstWritten()); Shown < Pane.WrittenCount(); ++Shown)
            std::cout << AnsiParagraph(Pane.Written(Shown), Colour) << '\n';
        std::cout.flush();
    }

private:
    const TOutputPane& Pane;
    bool Colour;
    size_t Shown = 0;
};

// Writes to the terminal what the output pane gained since the last flush.
#pragma once

#include <iostream>

#include "platform/OutputPane.h"
#include "ui/console/AnsiText.h"

class TOutputEcho {
public:
    TOutputEcho(const TOutputPane& pane, bool colour) : Pane(pane), Colour(colour) {}

    void Flush()
    {
        for (; Shown < Pane.WrittenCount(); ++Shown)
            std::cout << AnsiParagraph(Pane.Written(Shown), Colour) << '\n';
        std::cout.flush();
    }

private:
    const TOutputPane& Pane;
    bool Colour;
    size_t Shown = 0;
};

// Writes to the terminal what the output pane gained since the last flush.
#pragma once

#include <algorithm>
#include <ostream>

#include "platform/OutputPane.h"
#include "ui/console/AnsiText.h"

class TOutputEcho {
public:
    TOutputEcho(const TOutputPane& pane, const TTerminalLook& look, std::ostream& out) : Pane(pane), Look(look), Out(out)
    {
    }

    void Flush()
    {
        // Paragraphs dropped from the pane's history before they were echoed are gone.
        for (Shown = std::max(Shown, Pane.FirstWritten()); Shown < Pane.WrittenCount(); ++Shown)
            Out << AnsiParagraph(Pane.Written(Shown), Look) << '\n';
        Out.flush();
    }

private:
    const TOutputPane& Pane;
    TTerminalLook Look;
    std::ostream& Out;
    size_t Shown = 0;
};

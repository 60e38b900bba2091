#include "platform/OutputPane.h"

#include <algorithm>
#include <stdexcept>

std::string TParagraph::PlainText() const
{
    std::string text;
    for (const TTextRun& run : Runs)
        text += run.Text;
    return text;
}

void TOutputPane::Clear()
{
    FHistory.insert(FHistory.end(), FParagraphs.begin(), FParagraphs.end());
    FParagraphs.clear();
    if (HistoryLimit > 0 && FHistory.size() > HistoryLimit) {
        const size_t dropped = FHistory.size() - HistoryLimit;
        FHistory.erase(FHistory.begin(), FHistory.begin() + static_cast<std::ptrdiff_t>(dropped));
        FForgotten += dropped;
    }
    ++FRevision;
}

void TOutputPane::NewParagraph()
{
    FParagraphs.emplace_back();
    ++FRevision;
}

TParagraph& TOutputPane::LastParagraph()
{
    if (FParagraphs.empty())
        NewParagraph();
    ++FRevision;
    return FParagraphs.back();
}

void TOutputPane::Insert(const std::string& text)
{
    if (text.empty())
        return;
    // Texts stored on other systems break lines with CR LF or CR.
    std::string lines;
    lines.reserve(text.size());
    for (size_t index = 0; index < text.size(); ++index) {
        if (text[index] != '\r')
            lines += text[index];
        else if (index + 1 >= text.size() || text[index + 1] != '\n')
            lines += '\n';
    }
    TParagraph& paragraph = LastParagraph();
    // Neighbouring runs of one style are one run.
    if (!paragraph.Runs.empty() && paragraph.Runs.back().Font == InsertFont)
        paragraph.Runs.back().Text += lines;
    else
        paragraph.Runs.push_back(TTextRun{lines, InsertFont});
}

void TOutputPane::ScrollBy(int lines)
{
    FPendingScroll += lines;
    ++FRevision;
}

const TParagraph& TOutputPane::Written(size_t index) const
{
    if (index < FForgotten)
        throw std::out_of_range("The output paragraph " + std::to_string(index) + " is no longer kept");
    const size_t kept = index - FForgotten;
    return kept < FHistory.size() ? FHistory[kept] : FParagraphs.at(kept - FHistory.size());
}

std::string TOutputPane::WrittenText(size_t from) const
{
    std::string text;
    for (size_t index = std::max(from, FForgotten); index < WrittenCount(); ++index) {
        text += Written(index).PlainText();
        text += '\n';
    }
    return text;
}

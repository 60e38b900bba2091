// The model of the rich text pane that tells the game: paragraphs of styled runs.
// It also keeps everything ever written, for transcripts and script checks, since
// the pane itself is cleared at every location.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/Font.h"

enum class TAlignment { Left, Center, Right };

struct TTextRun {
    std::string Text;
    TFont Font;
};

struct TParagraph {
    std::vector<TTextRun> Runs;
    TAlignment Alignment = TAlignment::Left;
    bool Bullet = false;

    std::string PlainText() const;
};

class TOutputPane {
public:
    // White Arial 9 on black; the size follows the FontSize option.
    TFont DefaultFont;
    // Attributes of the next inserted text.
    TFont InsertFont;

    const std::vector<TParagraph>& Paragraphs() const { return FParagraphs; }

    void Clear();
    // Starts a new paragraph at the end; insertion goes there.
    void NewParagraph();
    // Adds text with the insertion attributes to the last paragraph.
    void Insert(const std::string& text);
    TParagraph& LastParagraph();

    // Asks the view to scroll down by lines (to the end for a large number).
    void ScrollBy(int lines);
    int PendingScroll() const { return FPendingScroll; }
    void TakeScroll() { FPendingScroll = 0; }

    // Every paragraph ever written, in order, whether cleared since or not. Of
    // the cleared ones only the last HistoryLimit are kept (all of them when it is
    // 0, for a transcript), so a long game does not grow without end; the ones
    // before FirstWritten are gone.
    static constexpr size_t DefaultHistoryLimit = 2000;
    size_t HistoryLimit = DefaultHistoryLimit;
    size_t WrittenCount() const { return FForgotten + FHistory.size() + FParagraphs.size(); }
    size_t FirstWritten() const { return FForgotten; }
    const TParagraph& Written(size_t index) const;
    // Plain text of the written paragraphs still kept from index on, one line each.
    std::string WrittenText(size_t from = 0) const;

    // Bumped by every change, so a view knows when to redraw.
    uint64_t Revision() const { return FRevision; }

private:
    std::vector<TParagraph> FParagraphs;
    std::deque<TParagraph> FHistory;
    size_t FForgotten = 0;
    int FPendingScroll = 0;
    uint64_t FRevision = 0;
};

// The journal and the quest book: entries laid out as marked lines, a table of
// contents with links, and two facing pages drawn through a canvas.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ICanvas;
struct TPicture;

// A table-of-contents link: where it was drawn in its page box, and the page of
// the heading it names.
struct TRLink {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    std::string Caption;
    std::string Heading;
    int32_t Page = 0;
};

class TJournalManager {
public:
    TJournalManager();
    ~TJournalManager();

    // Lays out an entry: "~" heading lines, then the body lines as they are.
    void AddEntry(const std::string& title, const std::vector<std::string>& body, bool toJournal);
    // Removes the n-th open quest (0-based), exactly the lines it was added with.
    void RemoveQuest(int n);
    void Reset();
    // "JOURNAL" or "QUESTS": the book's view from its first page.
    void BuildView(const std::string& mode, bool withContents);
    // The current book again at the current spread.
    void Redraw();
    // The spread holding the page; nothing beyond the last page.
    void ShowPage(int page);
    // Draws page box 0 (left) or 1 (right) of the spread shown.
    void PaintPage(int side, ICanvas& canvas) const;
    // The page a click at x, y of a page box turns to; 0 outside every link.
    int32_t LinkPageAt(int side, int x, int y) const;
    bool OverLink(int side, int x, int y) const { return LinkPageAt(side, x, y) != 0; }

    std::vector<std::string> JournalLines() const;
    std::vector<std::string> QuestLines() const;

    static constexpr int32_t PageWidth = 261;
    static constexpr int32_t PageHeight = 382;
    int32_t LinesPerPage = 1;
    std::vector<std::string> ViewLines;
    int32_t LeftPage = 1;
    int32_t PageCount = 2;
    std::string Mode = "JOURNAL";
    int32_t FontSize = 10;
    std::string FontName = "Arial";
    // The links of the left and the right page of the spread shown.
    std::array<std::vector<TRLink>, 2> Links;

private:
    enum class TLineKind { Heading, Link, Header, Picture, Body };
    // A line of the spread: the view line, where it starts, and its pieces as wrapped.
    struct TPlacedLine {
        size_t Line = 0;
        int32_t Top = 0;
        TLineKind Kind = TLineKind::Body;
        std::vector<std::string> Pieces;
        int32_t Height = 0;
    };

    static TLineKind KindOf(const std::string& line);
    void UseStyle(ICanvas& canvas, TLineKind kind) const;
    // The line measured as it is drawn; a link is resolved into its TRLink.
    TPlacedLine Measure(size_t line, TRLink* link) const;
    // The picture of an "&" line, when the adventure has it.
    std::shared_ptr<const TPicture> PictureOf(const std::string& line) const;
    void Layout();

    std::unique_ptr<ICanvas> MeasureCanvas;
    // Each entry's lines as laid out, so that removing one removes exactly those.
    std::vector<std::vector<std::string>> JournalEntries;
    std::vector<std::vector<std::string>> QuestEntries;
    std::array<std::vector<TPlacedLine>, 2> Spread;
    // The pictures of "&" lines by line, missing ones as null; emptied with the books.
    mutable std::map<std::string, std::shared_ptr<const TPicture>> Pictures;
};

#include "world/Journal.h"

#include <algorithm>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/Picture.h"
#include "data/Utils.h"
#include "platform/Canvas.h"
#include "platform/Host.h"
#include "session/Process.h"

namespace {

constexpr std::string_view BreakCharacters = " !,-.;?";
constexpr TColor HeadingColor = RgbColor(0xA5, 0x2A, 0x2A);
constexpr TColor LinkColor = RgbColor(0x00, 0x00, 0x80);

const char* const JournalTitle = "#                      .:JOURNAL:.        ";
const char* const QuestsTitle = "#                       .:QUESTS:.         ";
const char* const ContentsLines[] = {"#  ", "#               Table of Contents              ", "#  "};
const char* const JournalEntriesLine = "#                  Journal Entries              ";
const char* const QuestEntriesLine = "#                   Quest Entries                ";

std::vector<std::string> Concatenated(const std::vector<std::vector<std::string>>& entries)
{
    std::vector<std::string> lines;
    for (const auto& entry : entries)
        lines.insert(lines.end(), entry.begin(), entry.end());
    return lines;
}

} // namespace

TJournalManager::TJournalManager() : MeasureCanvas(Host().CreateCanvas(PageWidth, PageHeight))
{
    UseStyle(*MeasureCanvas, TLineKind::Body);
    LinesPerPage = std::max(1, PageHeight / std::max(1, MeasureCanvas->TextHeight("0")));
}

TJournalManager::~TJournalManager() = default;

TJournalManager::TLineKind TJournalManager::KindOf(const std::string& line)
{
    switch (line.empty() ? '\0' : line[0]) {
    case '~':
        return TLineKind::Heading;
    case '@':
        return TLineKind::Link;
    case '#':
        return TLineKind::Header;
    case '&':
        return TLineKind::Picture;
    default:
        return TLineKind::Body;
    }
}

void TJournalManager::UseStyle(ICanvas& canvas, TLineKind kind) const
{
    TFont font{FontName, FontSize, clBlack};
    if (kind == TLineKind::Heading || kind == TLineKind::Header)
        font.Bold = true;
    if (kind == TLineKind::Heading)
        font.Color = HeadingColor;
    if (kind == TLineKind::Link)
        font.Color = LinkColor;
    canvas.SetFont(font);
}

void TJournalManager::AddEntry(const std::string& title, const std::vector<std::string>& body, bool toJournal)
{
    std::vector<std::string> entry;
    std::vector<std::string> heading;
    UseStyle(*MeasureCanvas, TLineKind::Heading);
    WrapLines(SplitLines(title), heading, *MeasureCanvas, BreakCharacters, PageWidth);
    // A title without text still heads its entry.
    if (heading.empty())
        heading.push_back(" ");
    for (const std::string& line : heading)
        entry.push_back("~" + line);
    UseStyle(*MeasureCanvas, TLineKind::Body);
    WrapLines(body, entry, *MeasureCanvas, BreakCharacters, PageWidth);
    (toJournal ? JournalEntries : QuestEntries).push_back(std::move(entry));
}

void TJournalManager::RemoveQuest(int n)
{
    if (n >= 0 && n < static_cast<int>(QuestEntries.size()))
        QuestEntries.erase(QuestEntries.begin() + n);
}

std::vector<std::string> TJournalManager::JournalLines() const
{
    return Concatenated(JournalEntries);
}

std::vector<std::string> TJournalManager::QuestLines() const
{
    return Concatenated(QuestEntries);
}

void TJournalManager::Reset()
{
    JournalEntries.clear();
    QuestEntries.clear();
    Pictures.clear();
    ViewLines.clear();
    Links = {};
    Spread = {};
    LeftPage = 1;
    PageCount = 2;
    Mode = "JOURNAL";
    FontSize = 10;
    FontName = "Arial";
    Redraw();
}

void TJournalManager::BuildView(const std::string& mode, bool withContents)
{
    ViewLines.clear();
    Links = {};
    const bool quests = mode == "QUESTS";
    Mode = quests ? "QUESTS" : "JOURNAL";
    ViewLines.push_back(quests ? QuestsTitle : JournalTitle);
    const std::vector<std::string> book = quests ? QuestLines() : JournalLines();
    if (book.empty()) {
        ShowPage(1);
        return;
    }
    ViewLines.push_back("#" + std::string(60, '-'));
    ViewLines.insert(ViewLines.end(), std::begin(ContentsLines), std::end(ContentsLines));
    if (withContents)
        for (size_t line = 0; line < book.size(); ++line) {
            if (KindOf(book[line]) != TLineKind::Heading)
                continue;
            const auto occurrence = std::count(book.begin(), book.begin() + line + 1, book[line]);
            ViewLines.push_back("@" + std::to_string(occurrence) + ";" + book[line].substr(1));
        }
    ViewLines.push_back("# ");
    ViewLines.push_back(quests ? QuestEntriesLine : JournalEntriesLine);
    ViewLines.push_back("# ");
    ViewLines.insert(ViewLines.end(), book.begin(), book.end());
    ShowPage(1);
}

void TJournalManager::Redraw()
{
    const int32_t page = LeftPage;
    BuildView(Mode, true);
    if (page != 1)
        ShowPage(page);
}

std::shared_ptr<const TPicture> TJournalManager::PictureOf(const std::string& line) const
{
    // Read once: the pages are laid out and painted again and again.
    const auto known = Pictures.find(line);
    if (known != Pictures.end())
        return known->second;
    std::shared_ptr<const TPicture> picture;
    if (const TForm1* form = Process().MainForm.get(); form && form->DataManager && line.size() >= 2)
        picture = form->DataManager->LoadBitmap(line.substr(1));
    return Pictures[line] = picture;
}

TJournalManager::TPlacedLine TJournalManager::Measure(size_t line, TRLink* link) const
{
    TPlacedLine placed;
    placed.Line = line;
    const std::string& text = ViewLines[line];
    placed.Kind = KindOf(text);
    ICanvas& canvas = *MeasureCanvas;
    if (placed.Kind == TLineKind::Picture)
        if (const auto picture = PictureOf(text)) {
            placed.Height = picture->Height;
            return placed;
        }
    if (placed.Kind == TLineKind::Link) {
        // "@" occurrence ";" heading: the occurrence-th heading line of that text.
        const size_t semicolon = text.find(';');
        const std::string heading = semicolon == std::string::npos ? "" : text.substr(semicolon + 1);
        const long wanted = std::max(1, std::atoi(text.substr(1, semicolon).c_str()));
        long seen = 0;
        for (size_t index = 0; index < ViewLines.size(); ++index)
            if (ViewLines[index] == "~" + heading && ++seen == wanted) {
                UseStyle(canvas, TLineKind::Link);
                placed.Pieces = {heading};
                placed.Height = canvas.TextHeight(heading);
                if (link)
                    *link = TRLink{0, 0, canvas.TextWidth(heading), placed.Height, heading, heading,
                                   static_cast<int32_t>(index) / LinesPerPage + 1};
                break;
            }
        return placed;
    }
    const bool marked = placed.Kind == TLineKind::Heading || placed.Kind == TLineKind::Header;
    UseStyle(canvas, placed.Kind == TLineKind::Picture ? TLineKind::Body : placed.Kind);
    WrapLines({marked ? text.substr(1) : text}, placed.Pieces, canvas, BreakCharacters, PageWidth);
    // A rule of dashes is cut at the page's edge rather than spilling onto a line of its own.
    if (placed.Kind == TLineKind::Header && text.find_first_not_of('-', 1) == std::string::npos)
        placed.Pieces.resize(std::min<size_t>(placed.Pieces.size(), 1));
    for (const std::string& piece : placed.Pieces)
        placed.Height += canvas.TextHeight(piece);
    return placed;
}

void TJournalManager::Layout()
{
    Spread = {};
    Links = {};
    size_t line = static_cast<size_t>(LinesPerPage) * static_cast<size_t>(LeftPage - 1);
    for (int side = 0; side < 2; ++side) {
        int32_t top = 0;
        for (; line < ViewLines.size(); ++line) {
            TRLink link;
            TPlacedLine placed = Measure(line, &link);
            if (top + placed.Height >= PageHeight)
                break;
            placed.Top = top;
            if (placed.Kind == TLineKind::Link && placed.Height > 0) {
                link.Top += top;
                link.Bottom += top;
                Links[side].push_back(link);
            }
            top += placed.Height;
            Spread[side].push_back(std::move(placed));
        }
    }
}

void TJournalManager::ShowPage(int page)
{
    Links = {};
    const int32_t needed = static_cast<int32_t>((ViewLines.size() + LinesPerPage - 1) / LinesPerPage);
    PageCount = std::max(2, needed + needed % 2);
    if (page > PageCount || page < 1)
        return;
    LeftPage = page % 2 == 1 ? page : page - 1;
    Layout();
    if (TForm1* form = Process().MainForm.get()) {
        form->Control("LblPageLeft").Caption = std::to_string(LeftPage) + " / " + std::to_string(PageCount);
        form->Control("LblPageRight").Caption = std::to_string(LeftPage + 1) + " / " + std::to_string(PageCount);
        // The page boxes draw again: their state changed.
        ++form->Control("PaintBox1").Tag;
        ++form->Control("PaintBox2").Tag;
    }
}

void TJournalManager::PaintPage(int side, ICanvas& canvas) const
{
    if (side < 0 || side > 1)
        return;
    for (const TPlacedLine& placed : Spread[side]) {
        if (placed.Kind == TLineKind::Picture && placed.Pieces.empty()) {
            if (const auto picture = PictureOf(ViewLines[placed.Line]))
                canvas.DrawPicture(std::max(0, (PageWidth - picture->Width) / 2), placed.Top, *picture);
            continue;
        }
        UseStyle(canvas, placed.Kind == TLineKind::Picture ? TLineKind::Body : placed.Kind);
        int32_t top = placed.Top;
        for (const std::string& piece : placed.Pieces) {
            canvas.TextOut(0, top, piece);
            top += canvas.TextHeight(piece);
        }
    }
}

int32_t TJournalManager::LinkPageAt(int side, int x, int y) const
{
    if (side < 0 || side > 1)
        return 0;
    for (const TRLink& link : Links[side])
        if (link.Left < x && x < link.Right && link.Top < y && y < link.Bottom)
            return link.Page;
    return 0;
}

#include "ui/console/BookPages.h"

#include <algorithm>
#include <vector>

#include "data/Convert.h"
#include "data/Utf8Text.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "world/Journal.h"

namespace {

// The spread's links in the order they are drawn, left page first.
std::vector<TRLink> SpreadLinks(const TJournalManager& book)
{
    std::vector<TRLink> links = book.Links[0];
    links.insert(links.end(), book.Links[1].begin(), book.Links[1].end());
    return links;
}

// One view line as text; a link takes its number from the links still to come.
void ShowLine(std::ostream& out, const std::string& line, const std::vector<TRLink>& links, size_t& nextLink)
{
    switch (line.empty() ? '\0' : line[0]) {
    case '~':
        out << "== " << AsUtf8(Trim(line.substr(1))) << " ==\n";
        return;
    case '#':
        if (const std::string header = Trim(line.substr(1)); !header.empty())
            out << AsUtf8(header) << '\n';
        return;
    case '&':
        out << "[picture " << AsUtf8(line.substr(1)) << "]\n";
        return;
    case '@': {
        // A link whose heading is gone is not drawn, as on the desktop.
        const std::string heading = line.substr(line.find(';') + 1);
        if (nextLink < links.size() && links[nextLink].Heading == heading) {
            out << "  [" << nextLink + 1 << "] " << AsUtf8(Trim(heading)) << " — page " << links[nextLink].Page << '\n';
            ++nextLink;
        }
        return;
    }
    default:
        // Wrapping leaves a space at the end of a line, and blank lines of spaces.
        if (const std::string body = Trim(line); !body.empty())
            out << "  " << AsUtf8(body) << '\n';
        else
            out << '\n';
    }
}

// Done quests leave the book; their count is all that is told of them.
void ShowCompletedCount(std::ostream& out)
{
    // A quest's value is "*" once done.
    const auto& quests = GameClient().Quests;
    const auto completed = std::count_if(quests.begin(), quests.end(), [](const std::string& quest) {
        return quest.substr(quest.find('=') + 1) == "*";
    });
    if (completed > 0)
        out << completed << (completed == 1 ? " quest" : " quests") << " completed.\n";
}

} // namespace

void ShowSpread(std::ostream& out, const TJournalManager& book)
{
    out << book.Mode << ", page " << book.LeftPage << "-" << book.LeftPage + 1 << " of " << book.PageCount << '\n';
    const std::vector<TRLink> links = SpreadLinks(book);
    size_t nextLink = 0;
    const size_t perPage = static_cast<size_t>(book.LinesPerPage);
    for (int side = 0; side < 2; ++side) {
        const size_t first = perPage * static_cast<size_t>(book.LeftPage - 1 + side);
        if (first >= book.ViewLines.size())
            break;
        out << "-- page " << book.LeftPage + side << " --\n";
        const size_t end = std::min(book.ViewLines.size(), first + perPage);
        for (size_t line = first; line < end; ++line)
            ShowLine(out, book.ViewLines[line], links, nextLink);
    }
    if (book.ViewLines.size() <= 1)
        out << (book.Mode == "QUESTS" ? "No quest is open.\n" : "The journal is empty: entries are written as the "
                                                                "adventure goes on.\n");
    if (book.Mode == "QUESTS")
        ShowCompletedCount(out);
    if (!links.empty())
        out << "Type link and a number to turn to its page.\n";
}

void TurnBook(std::ostream& out, TJournalManager& book, const std::string& word, const std::string& argument)
{
    if (word == "link") {
        const std::vector<TRLink> links = SpreadLinks(book);
        const int number = StrToIntDef(argument, 0);
        if (number < 1 || number > static_cast<int>(links.size())) {
            out << (links.empty() ? std::string("No link is shown: open the journal or the quests first.")
                                  : "There is no link " + argument + ": choose a number from 1 to " +
                                        std::to_string(links.size()) + ".")
                << '\n';
            return;
        }
        book.ShowPage(links[static_cast<size_t>(number - 1)].Page);
        return ShowSpread(out, book);
    }
    const std::string mode = word == "quests" ? "QUESTS" : "JOURNAL";
    // The book is laid out afresh when opened, so new entries show.
    if (argument.empty() || book.Mode != mode)
        book.BuildView(mode, true);
    if (argument == "next" && book.LeftPage + 2 <= book.PageCount)
        book.ShowPage(book.LeftPage + 2);
    else if (argument == "back" && book.LeftPage > 2)
        book.ShowPage(book.LeftPage - 2);
    else if (argument != "next" && argument != "back" && !argument.empty()) {
        const int page = StrToIntDef(argument, 0);
        if (page < 1 || page > book.PageCount) {
            out << "There is no page " << argument << ": the book has " << book.PageCount << " pages.\n";
            return;
        }
        book.ShowPage(page);
    }
    ShowSpread(out, book);
}

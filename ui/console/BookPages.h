// The journal and the quest book as text: the spread the journal manager shows,
// two pages one under the other, with the table of contents' links numbered so
// that "link N" can follow them.
#pragma once

#include <ostream>
#include <string>

class TJournalManager;

// "journal" or "quests" with nothing (the first spread), a page number, "next" or
// "back"; "link" with a link's number. Shows the spread it turned to.
void TurnBook(std::ostream& out, TJournalManager& book, const std::string& word, const std::string& argument);
// The spread shown: "JOURNAL, page 1-2 of 4", then each page's lines.
void ShowSpread(std::ostream& out, const TJournalManager& book);

// The words for a member's things: wear, remove, give, drop, put, take, info,
// identify, copy and move. A thing is named by its place (b3, q1, torso, right
// hand), or by its name, the start of it or the start of one of its words, in
// any case. The selected member acts; a member's number at the end of the line
// makes another one act (wear jerkin 2; with give, before "to": give rope 2 to 1).
// Each word stands for what a player does on the member tab: a pick in an
// equipment list, a drag, or the backpack menu and the dialog it opens.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

class TForm1;

// A command line and the form that must be waiting for it. When another one
// waits instead (a message box said that something went otherwise) the rest of
// the word's lines are dropped.
struct TFormLine {
    std::string Line;
    std::string Form;

    bool operator==(const TFormLine&) const = default;
};

// Whether the first word typed is an item word.
bool IsItemWord(const std::string& word);
// The lines that the item word typed stands for, in an open book. Nullopt when
// the words are no item word; no lines when they name nothing that can be done
// now, which is said to out.
std::optional<std::vector<TFormLine>> ItemWordLines(TForm1& form, const std::string& words, std::ostream& out);

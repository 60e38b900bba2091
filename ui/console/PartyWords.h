// The words for the party dialog: manage opens it, dismiss 2 leaves member 2
// behind at the party's place, export 2 writes member 2 to a character file.
// Each stands for the clicks a player makes: the Party button, the member's
// radio button, then Remove or Export...
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/console/ItemWords.h"

class TForm1;

// Whether the first word typed is a party word.
bool IsPartyWord(const std::string& word);
// The lines the party word typed stands for, in an open book. Nullopt when the
// first word is no party word; no lines when it names nobody, which is said to out.
std::optional<std::vector<TFormLine>> PartyWordLines(const TForm1& form, const std::string& words, std::ostream& out);
// The line under the party view that names these words.
void ShowPartyWords(std::ostream& out);

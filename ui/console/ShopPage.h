// The shop panel as a page of the terminal: the shop, the party's gold and who
// trades, and the panel's list with its lines numbered in brackets. The words
// buy, sell and info with a line's number stand for picking the line and
// pressing the panel's button.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

class TForm1;

// Draws the panel while the shop shows it; nothing otherwise.
void DrawShopPage(std::ostream& out, const TForm1& form);
// The command lines a shop word ("buy 2") stands for. Nullopt when the words are
// no shop word (info is one only with a number, in an open shop); no lines when
// they name nothing the shop offers now, which is said to out.
std::optional<std::vector<std::string>> ShopWordLines(const TForm1& form, const std::string& words, std::ostream& out);

// Small helpers shared across the engine: substrings, splitting, dice, folder
// removal and pixel-width line wrapping.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ICanvas;

// The first or last n characters; a UTF-8 character is never split.
std::string LeftStr(const std::string& text, int n);
std::string RightStr(const std::string& text, int n);

// A text's lines, split at CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

// Appends every piece, trimmed, to list: n separators give n + 1 entries.
void SplitToList(const std::string& text, char separator, std::vector<std::string>& list);
// Replaces numbers with the non-empty pieces read as integers (0 when not a number).
void SplitToIntegers(const std::string& text, char separator, std::vector<int32_t>& numbers);

// The sum of count rolls of 1..faces; 0 when either is 0 or less.
int DiceTotal(int count, int faces);

// Removes the folder with everything in it; a missing folder counts as done.
bool DeleteFolder(const std::string& path);

// Appends the source lines to target, broken at the break characters so that each
// piece fits maxWidth pixels as the canvas measures it in its current font.
void WrapLines(const std::vector<std::string>& source, std::vector<std::string>& target, ICanvas& canvas,
               std::string_view breakChars, int maxWidth);

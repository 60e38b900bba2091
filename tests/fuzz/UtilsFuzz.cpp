// The small helpers that read stored texts and dice: splitting and wrapping lose
// no text, substrings stay within the text, and dice land within what they can roll.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "data/Convert.h"
#include "data/Utils.h"
#include "platform/FixedCanvas.h"

namespace {

void CheckDice(int count, int faces)
{
    const int64_t total = DiceTotal(count, faces);
    if (count <= 0 || faces <= 0) {
        FUZZ_CHECK(total == 0, "dice that cannot roll gave a total");
        return;
    }
    FUZZ_CHECK(total >= 1 && total <= int64_t{count} * faces, "a dice total outside what the dice can roll");
}

// A cut counts characters, each one byte or more, so it keeps at least n bytes.
void CheckSubstrings(const std::string& text, int n)
{
    const size_t atLeast = static_cast<size_t>(std::clamp<int64_t>(n, 0, static_cast<int64_t>(text.size())));
    const std::string left = LeftStr(text, n);
    const std::string right = RightStr(text, n);
    FUZZ_CHECK(left.size() >= atLeast && (n > 0 || left.empty()) && text.compare(0, left.size(), left) == 0,
               "LeftStr is not the text's start");
    FUZZ_CHECK(right.size() >= atLeast && (n > 0 || right.empty()) &&
                   text.compare(text.size() - right.size(), right.size(), right) == 0,
               "RightStr is not the text's end");
}

void CheckSplitLines(const std::string& text)
{
    const std::vector<std::string> lines = SplitLines(text);
    std::string joined;
    std::string rejoined;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos, "a split line holds a line break");
        joined += line;
        rejoined += line + "\n";
    }
    std::string withoutBreaks = text;
    std::erase_if(withoutBreaks, [](char c) { return c == '\r' || c == '\n'; });
    FUZZ_CHECK(joined == withoutBreaks, "splitting lines lost text");
    FUZZ_CHECK(SplitLines(rejoined) == lines, "lines do not split back from their own text");
}

void CheckSplitting(const std::string& text, char separator)
{
    std::vector<std::string> list = {"kept"};
    SplitToList(text, separator, list);
    FUZZ_CHECK(list.front() == "kept", "splitting dropped what the list held");
    FUZZ_CHECK(list.size() == 2 + static_cast<size_t>(std::count(text.begin(), text.end(), separator)),
               "n separators did not give n + 1 pieces");
    for (const std::string& piece : list)
        FUZZ_CHECK(Trim(piece) == piece, "a split piece is not trimmed");

    std::vector<int32_t> numbers = {42};
    SplitToIntegers(text, separator, numbers);
    size_t pieces = 0;
    std::string piece;
    for (size_t index = 0; index <= text.size(); ++index) {
        if (index < text.size() && text[index] != separator) {
            piece += text[index];
            continue;
        }
        if (!piece.empty()) {
            FUZZ_CHECK(pieces < numbers.size() && numbers[pieces] == StrToIntDef(Trim(piece), 0),
                       "a split number is not its piece");
            ++pieces;
        }
        piece.clear();
    }
    FUZZ_CHECK(numbers.size() == pieces, "split numbers are not one per piece");
}

void CheckWrapping(const std::string& text, const std::string& breakChars, int maxWidth)
{
    TFixedCanvas canvas;
    canvas.Wide = "MW";
    for (const std::string& line : SplitLines(text)) {
        std::vector<std::string> pieces;
        WrapLines({line}, pieces, canvas, breakChars, maxWidth);
        if (line.empty() || line == " ") {
            FUZZ_CHECK(pieces == std::vector<std::string>{" "}, "an empty line did not wrap to a blank");
            continue;
        }
        std::string joined;
        for (const std::string& wrapped : pieces) {
            FUZZ_CHECK(!wrapped.empty(), "wrapping made an empty piece");
            joined += wrapped;
        }
        FUZZ_CHECK(joined == line, "wrapping lost text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int count = input.ConsumeIntegral<int>();
    const int faces = input.ConsumeIntegral<int>();
    const char separator = input.ConsumeIntegral<char>();
    const int maxWidth = input.ConsumeIntegralInRange(-10, 400);
    const std::string breakChars = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    CheckDice(count, faces);
    CheckSubstrings(text, count);
    CheckSplitLines(text);
    CheckSplitting(text, separator);
    CheckWrapping(text, breakChars, maxWidth);
    return 0;
}

// The markup of every text the game prints: a tag is "~<" up to the next ">", and
// everything outside complete tags is shown, in order, with its line breaks.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/OutputPane.h"
#include "session/StyledText.h"

namespace {

struct TExpected {
    std::string Shown;
    std::string LastTag;
};

// CR LF and a lone CR break a line as LF does.
std::string WithLineFeeds(const std::string& text)
{
    std::string result;
    for (size_t index = 0; index < text.size(); ++index) {
        if (text[index] != '\r')
            result += text[index];
        else if (index + 1 == text.size() || text[index + 1] != '\n')
            result += '\n';
    }
    return result;
}

// Written from the rule, independently of the reader.
TExpected Expected(const std::string& text)
{
    TExpected expected;
    std::string piece;
    size_t index = 0;
    while (index < text.size()) {
        const size_t close = text.compare(index, 2, "~<") == 0 ? text.find('>', index + 2) : std::string::npos;
        if (close == std::string::npos) {
            piece += text[index++];
            continue;
        }
        expected.Shown += WithLineFeeds(piece);
        piece.clear();
        expected.LastTag = text.substr(index + 2, close - index - 2);
        index = close + 1;
    }
    expected.Shown += WithLineFeeds(piece);
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TOutputPane pane;
    const std::string lastTag = AppendText(pane, text);
    FUZZ_CHECK(pane.Paragraphs().size() == 1, "a text did not make exactly one paragraph");
    const TParagraph& paragraph = pane.Paragraphs().front();
    for (const TTextRun& run : paragraph.Runs)
        FUZZ_CHECK(!run.Text.empty(), "an empty run was kept");
    const TExpected expected = Expected(text);
    FUZZ_CHECK(paragraph.PlainText() == expected.Shown, "the shown text is not the text without its tags");
    FUZZ_CHECK(lastTag == expected.LastTag, "the last tag applied is not the text's last tag");
    return 0;
}

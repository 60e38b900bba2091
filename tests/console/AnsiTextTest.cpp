#include <gtest/gtest.h>

#include "platform/OutputPane.h"
#include "ui/console/AnsiText.h"

namespace {

TParagraph Paragraph(std::initializer_list<TTextRun> runs)
{
    TParagraph paragraph;
    paragraph.Runs = runs;
    return paragraph;
}

} // namespace

TEST(AnsiTextTest, PlainTextKeepsTheTerminalsColoursAndTheAdventuresKeepTheirs)
{
    const TTerminalLook terminal{true, true, clWhite};
    const TTerminalLook noColour{true, false, clWhite};
    const TTerminalLook pipe{false, false, clWhite};
    struct Case {
        const char* what;
        TTerminalLook look;
        TParagraph paragraph;
        std::string text;
    };
    for (const Case& c : {
             Case{"plain", terminal, Paragraph({{"Well Court", TFont{.Color = clWhite}}}), "\x1b[0mWell Court\x1b[0m"},
             Case{"coloured", terminal, Paragraph({{"TIP", TFont{.Color = RgbColor(255, 255, 0), .Bold = true}}}),
                  "\x1b[0;1;38;2;255;255;0mTIP\x1b[0m"},
             Case{"NO_COLOR keeps bold", noColour, Paragraph({{"TIP", TFont{.Color = RgbColor(255, 255, 0), .Bold = true}}}),
                  "\x1b[0;1mTIP\x1b[0m"},
             Case{"a pipe gets words alone", pipe, Paragraph({{"TIP", TFont{.Color = RgbColor(255, 255, 0), .Bold = true}}}), "TIP"},
             Case{"Latin-1 is shown as UTF-8", pipe, Paragraph({{"\xC9owyn", TFont{.Color = clWhite}}}), "\xC3\x89owyn"},
         }) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AnsiParagraph(c.paragraph, c.look), c.text);
    }
}

TEST(AnsiTextTest, CentringCountsCharactersNotBytes)
{
    TParagraph paragraph = Paragraph({{"\xC3\x89owyn", TFont{.Color = clWhite}}});
    paragraph.Alignment = TAlignment::Center;
    EXPECT_EQ(AnsiParagraph(paragraph, TTerminalLook{}, 11), "   \xC3\x89owyn");
}

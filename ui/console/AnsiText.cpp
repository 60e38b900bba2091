#include "ui/console/AnsiText.h"

#include "data/Utf8Text.h"
#include "platform/OutputPane.h"

namespace {

std::string Style(const TFont& font, const TTerminalLook& look)
{
    std::string codes = "\x1b[0";
    if (font.Bold)
        codes += ";1";
    if (font.Italic)
        codes += ";3";
    if (font.Underline)
        codes += ";4";
    if (font.StrikeOut)
        codes += ";9";
    if (look.Colours && font.Color != look.Plain)
        codes += ";38;2;" + std::to_string((font.Color >> 16) & 0xFF) + ";" + std::to_string((font.Color >> 8) & 0xFF) +
                 ";" + std::to_string(font.Color & 0xFF);
    return codes + "m";
}

} // namespace

std::string AnsiParagraph(const TParagraph& paragraph, const TTerminalLook& look, int width)
{
    std::string text;
    if (paragraph.Bullet)
        text += "  * ";
    const std::string plain = paragraph.PlainText();
    // Alignment is approximated by padding the first line.
    const size_t firstLine = CharacterCount(plain.substr(0, plain.find('\n')));
    if (paragraph.Alignment != TAlignment::Left && firstLine < static_cast<size_t>(width)) {
        const size_t room = width - firstLine;
        text += std::string(paragraph.Alignment == TAlignment::Center ? room / 2 : room, ' ');
    }
    const bool styled = look.Styles || look.Colours;
    for (const TTextRun& run : paragraph.Runs)
        text += (styled ? Style(run.Font, look) : std::string()) + AsUtf8(run.Text);
    if (styled)
        text += "\x1b[0m";
    return text;
}

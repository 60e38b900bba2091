#include "ui/console/AnsiText.h"

#include "platform/OutputPane.h"

namespace {

std::string Style(const TFont& font)
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
    codes += ";38;2;" + std::to_string((font.Color >> 16) & 0xFF) + ";" + std::to_string((font.Color >> 8) & 0xFF) +
             ";" + std::to_string(font.Color & 0xFF);
    return codes + "m";
}

// Length in characters of UTF-8 or single-byte text, for centring.
size_t Width(const std::string& text)
{
    size_t width = 0;
    for (unsigned char c : text)
        width += (c & 0xC0) != 0x80;
    return width;
}

} // namespace

std::string AnsiParagraph(const TParagraph& paragraph, bool colour, int width)
{
    std::string text;
    if (paragraph.Bullet)
        text += "  * ";
    const std::string plain = paragraph.PlainText();
    // Alignment is approximated by padding the first line.
    const size_t firstLine = Width(plain.substr(0, plain.find('\n')));
    if (paragraph.Alignment != TAlignment::Left && firstLine < static_cast<size_t>(width)) {
        const size_t room = width - firstLine;
        text += std::string(paragraph.Alignment == TAlignment::Center ? room / 2 : room, ' ');
    }
    for (const TTextRun& run : paragraph.Runs)
        text += colour ? Style(run.Font) + run.Text : run.Text;
    if (colour)
        text += "\x1b[0m";
    return text;
}

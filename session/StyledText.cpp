#include "session/StyledText.h"

#include <optional>
#include <string_view>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "platform/OutputPane.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

struct TNamedColor {
    const char* Name;
    TColor Color;
};

const TNamedColor NamedColors[] = {
    {"RED", 0xFF0000},    {"BLUE", 0x0000FF},   {"BLACK", 0x000000},   {"MAROON", 0x800000},
    {"GREEN", 0x008000},  {"OLIVE", 0x808000},  {"NAVY", 0x000080},    {"PURPLE", 0x800080},
    {"TEAL", 0x008080},   {"GRAY", 0x808080},   {"SILVER", 0xC0C0C0},  {"LIME", 0x00FF00},
    {"YELLOW", 0xFFFF00}, {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF},   {"LTGRAY", 0xC0C0C0},
    {"DKGRAY", 0x808080}, {"WHITE", 0xFFFFFF},
};

std::optional<int> HexPair(const std::string& item, size_t position)
{
    if (position + 2 > item.size())
        return std::nullopt;
    int value = 0;
    for (size_t index = position; index < position + 2; ++index) {
        const char c = item[index];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

// item ends with ";" and its prefix counts as standing at the start: the value is
// what lies between the first two characters and the ";".
std::string ItemValue(const std::string& item)
{
    return item.size() > 3 ? item.substr(2, item.size() - 3) : std::string();
}

void ApplyColor(TFont& font, const std::string& item)
{
    if (item.size() > 2 && item[2] == '#') {
        // Digits at fixed places; anything else there means white.
        const auto red = HexPair(item, 3);
        const auto green = HexPair(item, 5);
        const auto blue = HexPair(item, 7);
        font.Color = red && green && blue ? RgbColor(*red, *green, *blue) : clWhite;
        return;
    }
    const std::string name = UpperCase(ItemValue(item));
    for (const TNamedColor& named : NamedColors)
        if (name == named.Name) {
            font.Color = named.Color;
            return;
        }
}

void ResetAttributes(TOutputPane& pane)
{
    pane.InsertFont = pane.DefaultFont;
    TParagraph& paragraph = pane.LastParagraph();
    paragraph.Alignment = TAlignment::Left;
    paragraph.Bullet = false;
}

std::string RemoveBlanks(const std::string& text)
{
    std::string result;
    for (char c : text)
        if (c != ' ')
            result += c;
    return result;
}

} // namespace

void ApplyStyleTag(TOutputPane& pane, const std::string& items)
{
    ResetAttributes(pane);
    TFont& font = pane.InsertFont;
    TParagraph& paragraph = pane.LastParagraph();
    size_t start = 0;
    while (start <= items.size()) {
        size_t end = items.find(';', start);
        if (end == std::string::npos)
            end = items.size();
        std::string item = Trim(items.substr(start, end - start));
        start = end + 1;
        if (item.find("f:") == std::string::npos)
            item = RemoveBlanks(item);
        item += ';';

        if (item == "b;")
            font.Bold = true;
        else if (item == "i;")
            font.Italic = true;
        else if (item == "u;")
            font.Underline = true;
        else if (item == "s;")
            font.StrikeOut = true;
        else if (item == "taCenter;")
            paragraph.Alignment = TAlignment::Center;
        else if (item == "taRight;")
            paragraph.Alignment = TAlignment::Right;
        else if (item == "Bullet;")
            paragraph.Bullet = true;
        else if (item.find("c:") != std::string::npos)
            ApplyColor(font, item);
        else if (item.find("s:") != std::string::npos)
            font.Size = StrToIntDef(ItemValue(item), 12);
        else if (item.find("f:") != std::string::npos)
            font.Name = ItemValue(item);
    }
}

std::string AppendText(TOutputPane& pane, const std::string& text)
{
    std::string lastTag;
    pane.NewParagraph();
    ResetAttributes(pane);
    // The text is walked once by position, never cut from the front, so long
    // markup costs time in step with its length.
    const std::string_view rest(text);
    size_t position = 0;
    for (;;) {
        const size_t open = rest.find("~<", position);
        const size_t close = rest.find('>', position);
        if (open == std::string_view::npos || close == std::string_view::npos)
            break;
        std::string_view run;
        if (open == position) {
            const std::string items(rest.substr(position + 2, close - position - 2));
            position = close + 1;
            const size_t next = rest.find("~<", position);
            run = rest.substr(position, next == std::string_view::npos ? std::string_view::npos : next - position);
            position += run.size();
            ApplyStyleTag(pane, items);
            lastTag = items;
        } else {
            ResetAttributes(pane);
            run = rest.substr(position, open - position);
            position = open;
        }
        pane.Insert(std::string(run));
    }
    // What is left holds no complete tag; an unmatched "~<" stays visible.
    if (position < rest.size()) {
        ResetAttributes(pane);
        pane.Insert(std::string(rest.substr(position)));
    }
    return lastTag;
}

std::string AppendText(const std::string& text)
{
    return AppendText(MainForm().RichEdit1, text);
}

void AppendPaged(const std::vector<std::string>& lines)
{
    std::string page;
    for (const std::string& line : lines) {
        if (line != "*") {
            page += line;
            page += '\n';
            continue;
        }
        if (!page.empty() && page.back() == '\n')
            page.pop_back();
        const std::string lastTag = AppendText(page);
        // The style in force at the end of a page goes on on the next.
        page = "~<" + lastTag + ">";
        TGameClient& client = GameClient();
        if (client.Options)
            client.Options->AskContinue("Continue...");
    }
    if (!page.empty() && page.back() == '\n')
        page.pop_back();
    AppendText(page);
}

void ClearOrScrollOutput(bool clear)
{
    TOutputPane& pane = MainForm().RichEdit1;
    if (clear) {
        pane.Clear();
        return;
    }
    AppendText(pane, " ");
    pane.ScrollBy(1000);
}

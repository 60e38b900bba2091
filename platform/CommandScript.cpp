#include "platform/CommandScript.h"

#include "data/Convert.h"
#include "platform/Keys.h"

namespace {

struct TCommandWord {
    const char* Word;
    TScriptCommand Command;
    bool NeedsArgument;
};

const TCommandWord CommandWords[] = {
    {"click", TScriptCommand::Click, true},
    {"dblclick", TScriptCommand::DblClick, true},
    {"menu", TScriptCommand::Menu, true},
    {"choose", TScriptCommand::Choose, true},
    {"key", TScriptCommand::Key, true},
    {"type", TScriptCommand::Type, true},
    {"select", TScriptCommand::Select, true},
    {"drag", TScriptCommand::Drag, true},
    {"popup", TScriptCommand::Popup, true},
    {"tab", TScriptCommand::Tab, true},
    {"close", TScriptCommand::Close, false},
    {"answer", TScriptCommand::Answer, true},
    {"wait", TScriptCommand::Wait, true},
    {"seed", TScriptCommand::Seed, true},
    {"random", TScriptCommand::Random, true},
    {"expect", TScriptCommand::Expect, true},
    {"expect-box", TScriptCommand::ExpectBox, true},
    {"expect-control", TScriptCommand::ExpectControl, true},
    {"show", TScriptCommand::Show, false},
    {"screenshot", TScriptCommand::Screenshot, true},
};

} // namespace

bool TScriptLine::IsInput() const
{
    switch (Command) {
    case TScriptCommand::Seed:
    case TScriptCommand::Random:
    case TScriptCommand::Expect:
    case TScriptCommand::ExpectBox:
    case TScriptCommand::ExpectControl:
    case TScriptCommand::Show:
    case TScriptCommand::Screenshot:
        return false;
    default:
        return true;
    }
}

std::string TScriptLine::Where() const
{
    return "line " + std::to_string(Number) + ": " + Word + (Argument.empty() ? "" : " " + Argument);
}

std::optional<TScriptLine> ParseScriptLine(const std::string& text, int number)
{
    const std::string line = Trim(text);
    if (line.empty() || line[0] == '#')
        return std::nullopt;
    const size_t blank = line.find_first_of(" \t");
    TScriptLine parsed;
    parsed.Number = number;
    parsed.Word = line.substr(0, blank);
    if (blank != std::string::npos)
        parsed.Argument = Trim(line.substr(blank));
    for (const TCommandWord& word : CommandWords) {
        if (parsed.Word != word.Word)
            continue;
        parsed.Command = word.Command;
        if (word.NeedsArgument && parsed.Argument.empty())
            throw EScriptStop(parsed.Where() + ": the command needs an argument");
        return parsed;
    }
    throw EScriptStop(parsed.Where() + ": unknown command \"" + parsed.Word + "\"");
}

std::vector<TScriptLine> ParseCommandScript(const std::string& text)
{
    std::vector<TScriptLine> lines;
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        if (auto line = ParseScriptLine(text.substr(start, end - start), number))
            lines.push_back(std::move(*line));
        start = end + 1;
    }
    return lines;
}

std::optional<int64_t> ParseDuration(const std::string& text)
{
    std::string number = text;
    int64_t scale = 1;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, "ms") == 0) {
        number.resize(number.size() - 2);
    } else if (number.size() > 1 && number.back() == 's') {
        number.pop_back();
        scale = 1000;
    }
    const int64_t value = StrToInt64Def(number, -1);
    // Up to a day of game time per line.
    if (value < 0 || value > 86400000 / scale)
        return std::nullopt;
    return value * scale;
}

std::optional<int> ParseKeyName(const std::string& text)
{
    struct TKeyName {
        const char* Name;
        int Key;
    };
    static const TKeyName Names[] = {
        {"Up", VK_UP},         {"Down", VK_DOWN},         {"Left", VK_LEFT}, {"Right", VK_RIGHT},
        {"Enter", VK_RETURN},  {"Space", VK_SPACE},       {"NumPlus", VK_ADD}, {"NumMinus", VK_SUBTRACT},
    };
    for (const TKeyName& name : Names)
        if (text == name.Name)
            return name.Key;
    if (text.size() == 4 && text.compare(0, 3, "Num") == 0 && text[3] >= '0' && text[3] <= '9')
        return VK_NUMPAD0 + (text[3] - '0');
    if (text.size() == 1 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')))
        return KeyOfLetter(text[0]);
    return std::nullopt;
}

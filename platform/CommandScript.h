// The command script both hosts read: one command a line, "#" comments, blank
// lines skipped. Input lines go to whatever the engine waits on; check lines are
// carried out as soon as they are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Stops a scripted run. Deliberately not a std::exception, so that the engine's
// own error handling (which reports and carries on) never swallows it.
class EScriptStop {
public:
    explicit EScriptStop(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept { return FMessage.c_str(); }
    const std::string& Message() const { return FMessage; }

private:
    std::string FMessage;
};

enum class TScriptCommand {
    Click,
    DblClick,
    Menu,
    Choose,
    Key,
    Type,
    Select,
    Drag,
    Popup,
    Tab,
    Close,
    Answer,
    Wait,
    Seed,
    Random,
    Expect,
    ExpectBox,
    ExpectControl,
    Show,
    Screenshot,
};

struct TScriptLine {
    int Number = 0;
    TScriptCommand Command = TScriptCommand::Show;
    // The command word as written, and everything after it (leading blanks removed).
    std::string Word;
    std::string Argument;

    // Check lines run when read; input lines answer a wait.
    bool IsInput() const;
    // "line N: word argument", for messages.
    std::string Where() const;
};

// One line; nullopt for a blank or comment line. Raises EScriptStop naming the
// line for an unknown command or a missing argument.
std::optional<TScriptLine> ParseScriptLine(const std::string& text, int number);
// Every line of a script text.
std::vector<TScriptLine> ParseCommandScript(const std::string& text);

// "500ms", "3s" or a bare number of milliseconds; nullopt when malformed.
std::optional<int64_t> ParseDuration(const std::string& text);
// Key names (Up, Enter, Num5, NumPlus, a letter ...) as key codes; nullopt when unknown.
std::optional<int> ParseKeyName(const std::string& text);

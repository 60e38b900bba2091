// The terminal prompt: shows what the game waits for and turns what the player
// types (n, look, 2, yes ...) into command-script lines. Time passes in real time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class TForm1;
class TScriptedHost;
class TOutputEcho;

class TPlayerWords {
public:
    TPlayerWords(TScriptedHost& host, TForm1& form, TOutputEcho& echo);

    // The next command line, or nullopt at the end of input.
    std::optional<std::string> NextLine(const std::string& waiting);

private:
    std::string Translate(const std::string& typed);
    void ShowChoices() const;
    void ShowMember(int slot) const;
    void ShowForm();
    static void ShowHelp();

    TScriptedHost& Host;
    TForm1& Form;
    TOutputEcho& Echo;
    std::chrono::steady_clock::time_point LastPrompt;
    // The clickable controls of the form shown last, by their numbers.
    std::vector<std::string> Clickable;
};

// The terminal prompt: shows what the game waits for and turns what the player
// types (n, look, 2, yes ...) into command-script lines. Mistakes are answered
// here in the player's words. Time passes in real time.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/console/FileChoice.h"
#include "ui/console/FormPage.h"
#include "ui/console/ItemWords.h"

class TForm1;
class TScriptedHost;
class TOutputEcho;

class TPlayerWords {
public:
    // Shows the prompt and returns what the player typed; nullopt at the end of input.
    using TReadLine = std::function<std::optional<std::string>(const std::string& prompt)>;

    TPlayerWords(TScriptedHost& host, TForm1& form, TOutputEcho& echo, std::ostream& out, TReadLine readLine);

    // The next command line, or nullopt at the end of input.
    std::optional<std::string> NextLine(const std::string& waiting);

private:
    // Shows what waits and reads the player's line, with the prompt that fits.
    std::optional<std::string> Ask();
    // The command line for what was typed, or nullopt when the prompt has
    // answered it itself.
    std::optional<std::string> Interpret(const std::string& typed);
    std::optional<std::string> AtBox(const std::string& word);
    std::optional<std::string> AtFileDialog(const std::string& typed, const std::string& word);
    std::optional<std::string> AtForm(const std::string& typed, const std::string& word);
    std::optional<std::string> AtWindow(const std::string& typed, const std::string& word);
    // A numbered choice of the main window.
    std::optional<std::string> Choice(int number);
    // Member N's button of that stem (its radio button, its Stats), when it may be clicked.
    std::optional<std::string> MemberButton(const std::string& stem, const std::string& number);
    // A command-script line as typed; other words get the answer unknown.
    std::optional<std::string> ScriptLine(const std::string& typed, const std::string& unknown);
    // Leaving the creation pages throws the character away: only when the player says yes.
    bool KeepsCharacter(const std::string& line);
    // The first of a word's lines; the others wait in Pending.
    std::optional<std::string> Begin(const std::vector<TFormLine>& lines);
    // Whether the form of that name takes the next line.
    bool Waits(const std::string& form) const;
    // Says how to begin when no adventure is open: true then.
    bool SaidNoBook() const;
    // The captions of the choice labels shown now.
    std::vector<std::string> ShownChoices() const;
    void ShowHelp() const;

    TScriptedHost& Host;
    TForm1& Form;
    TOutputEcho& Echo;
    std::ostream& Out;
    TReadLine ReadLine;
    std::chrono::steady_clock::time_point LastPrompt;
    TFormPage Page;
    // The files the waiting open-file dialog offers, as last listed.
    TFileChoice Files;
    // The lines still to give of a word that stands for several (buy 2).
    std::deque<TFormLine> Pending;
};

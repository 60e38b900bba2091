#include "ui/console/PlayerWords.h"

#include <filesystem>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/Utf8Text.h"
#include "platform/ScriptedHost.h"
#include "session/Choices.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "ui/console/BookPages.h"
#include "ui/console/ExitWords.h"
#include "ui/console/OutputEcho.h"
#include "ui/console/PartyWords.h"
#include "ui/console/ShopPage.h"
#include "ui/console/TextViews.h"
#include "world/Location.h"

namespace {

struct TWord {
    const char* Typed;
    const char* Line;
};

// Actions as their buttons.
const TWord Words[] = {
    {"exits", "click MainGoBtn"}, {"look", "click BtnLook"},         {"l", "click BtnLook"},
    {"talk", "click BtnTalk"},    {"examine", "click BtnExamine"},   {"open", "click BtnOpen"},
    {"get", "click BtnPickup"},   {"pickup", "click BtnPickup"},     {"contents", "click BtnContents"},
    {"use", "click BtnUse"},      {"unlock", "click BtnUnlock"},     {"rest", "click BtnRest"},
    {"loot", "click BtnGet"},     {"start", "menu StartGame"},       {"details", "menu AdventureDetails"},
    {"quit", "menu Exit"},        {"exit", "menu Exit"},             {"command", "key Space"},
    {"attack", "click AttackBtn"}, {"stop", "click StopAttackingBtn"}, {"next", "key N"},
    {"skill", "click BtnUseSkill"},
    {"save", "menu SaveGame"},    {"load", "menu LoadGame"},         {"quicksave", "menu QuickSave"},
    {"quickload", "menu QuickLoad"}, {"continue", "menu Continue"},
    // Worn items' special uses and spells, and the three quick items.
    {"cast", "click BtnUseItem"},    {"special", "click BtnUseItem"},
    {"use 1", "click BtnQuick1"},    {"use 2", "click BtnQuick2"},   {"use 3", "click BtnQuick3"},
};
// Every other word acts in an open adventure.
const char* const WordsWithoutBook[] = {"start", "quit", "exit", "load", "quickload", "continue"};

// The views, each taking a member's number where it shows members.
enum class TView { Party, Inventory, Map };
struct TViewWord {
    const char* Typed;
    TView View;
};
const TViewWord ViewWords[] = {
    {"party", TView::Party},     {"inventory", TView::Inventory}, {"i", TView::Inventory},
    {"map", TView::Map},
};

void ShowView(std::ostream& out, const TForm1& form, TView view, int slot)
{
    switch (view) {
    case TView::Party:
        ShowParty(out, form, slot);
        for (int member = 1; member <= MaxPartySize; ++member)
            if ((slot == 0 || slot == member) && form.Member(member))
                return ShowPartyWords(out);
        return;
    case TView::Inventory:
        return ShowInventory(out, form, slot);
    case TView::Map:
        return ShowMap(out);
    }
}

std::string FirstWord(const std::string& text)
{
    return text.substr(0, text.find(' '));
}

// A command-script word, such as click or answer.
bool IsCommandWord(const std::string& word)
{
    try {
        return ParseScriptLine(word + " x", 0).has_value();
    } catch (const EScriptStop&) {
        return false;
    }
}

} // namespace

TPlayerWords::TPlayerWords(TScriptedHost& host, TForm1& form, TOutputEcho& echo, std::ostream& out, TReadLine readLine)
    : Host(host), Form(form), Echo(echo), Out(out), ReadLine(std::move(readLine)),
      LastPrompt(std::chrono::steady_clock::now())
{
}

void TPlayerWords::ShowHelp() const
{
    std::error_code error;
    const std::filesystem::path manual =
        std::filesystem::absolute(std::filesystem::path(Process().AppDir) / "doc" / "index.html", error);
    Out << "Move: n s e w ne nw se sw up down in out, or exits for the ways out.\n"
           "Act: look, talk, examine, open, get, contents, use, unlock, rest, loot; a number picks a choice.\n"
           "Fight: attack, stop (the selected member's attack), next (the next turn of a turn-based fight),\n"
           "skill (one of the selected member's skills).\n"
           "Items: cast or special (what a worn item does), use 1, use 2, use 3 (the quick items).\n"
           "Things: inventory names each member's places: b1 to b15 the backpack, q1 to q3 the quick slots,\n"
           "head, neck, torso, forearms, waist, right wrist, left wrist, right hand, left hand, right ring, left ring,\n"
           "feet. wear, remove, drop, info, identify and copy (a spell scroll) take a thing by its place or its name:\n"
           "wear b3, remove torso, drop torch; also give rope to 2, put torch in satchel, take torch from satchel,\n"
           "move b3 to q1. A member's number at the end lets another member act: wear jerkin 2.\n"
           "See: party, inventory (or party 2, inventory 2), map (the area's grid, @ the party), stats (or stats 2:\n"
           "the character sheet); member 2 selects the second member.\n"
           "Party: manage opens the party dialog; dismiss 2 leaves member 2 behind here; export 2 writes member 2\n"
           "to a character file, which import on a creation page reads back (a number picks the file).\n"
           "Books: journal, quests (a spread of two pages); journal 3 turns to page 3, journal next, journal back;\n"
           "link 2 follows link [2] of the table of contents.\n"
           "Shops: buy 3 buys line 3 of the shop's list, info 3 tells of it, sell 3 sells it.\n"
           "Game: start begins the adventure, details tells of it, command opens the command line, quit ends.\n"
           "On a page a number chooses and name followed by a text fills the name; yes or no answers a question.\n"
           "Authors and testers: every command-script line works here too (click NAME, menu NAME, show).\n"
           "The manual, with the keys, the words and command scripts: "
        << manual.string() << '\n';
}

std::vector<std::string> TPlayerWords::ShownChoices() const
{
    std::vector<std::string> captions;
    while (Form.Control("ScrollBox1").Visible) {
        const TControlState* label = Form.Find("LblChoice" + std::to_string(captions.size() + 1));
        if (!label || label->Caption.empty())
            break;
        captions.push_back(label->Caption);
    }
    return captions;
}

std::optional<std::string> TPlayerWords::Ask()
{
    switch (Host.Waiting()) {
    case TScriptedHost::TWaitKind::MessageBox: {
        const TMsgDlgButtons buttons = Host.BoxButtons();
        Out << "[" << AsUtf8(Host.LastBoxText()) << "]" << ((buttons & mbYes) ? " yes/no" : "")
            << ((buttons & mbCancel) ? "/cancel" : "") << (!(buttons & mbYes) ? " (Enter)" : "") << '\n';
        break;
    }
    case TScriptedHost::TWaitKind::InputBox:
        Out << "(type the text, or cancel)\n";
        return ReadLine(AsUtf8(Host.Question()) + " ");
    case TScriptedHost::TWaitKind::FileDialog:
        Files = ListFileChoice(Host.FileFilter(), Host.FileInitialPath());
        DrawFileChoice(Out, Files);
        Out << "(" << (Files.Names.empty() ? "" : "a number picks a file; ") << "type the path of a file, or cancel)\n";
        return ReadLine(AsUtf8(Host.Question()) + ": ");
    case TScriptedHost::TWaitKind::Form:
        if (const TFormModel* form = Host.InputForm())
            Page.Draw(*form, Out);
        break;
    default:
        DrawShopPage(Out, Form);
        for (const std::string& caption : ShownChoices())
            Out << "  " << AsUtf8(caption) << '\n';
        break;
    }
    return ReadLine("> ");
}

std::optional<std::string> TPlayerWords::ScriptLine(const std::string& typed, const std::string& unknown)
{
    try {
        if (ParseScriptLine(typed, 0))
            return typed;
        return std::nullopt;
    } catch (const EScriptStop&) {
        const std::string word = FirstWord(Trim(typed));
        if (IsCommandWord(word))
            Out << "\"" << word << "\" needs more after it. Type help for the words you can use.\n";
        else
            Out << unknown << '\n';
        return std::nullopt;
    }
}

bool TPlayerWords::KeepsCharacter(const std::string& line)
{
    const TFormModel* form = Host.InputForm();
    // The left button reads CANCEL while a new character is made (PREVIOUS in a level-up).
    const TControlState* cancel = form && form->Name() == "FrmCreate" ? form->Find("BtnPrevious") : nullptr;
    if (!cancel || cancel->Caption != "CANCEL" ||
        (line != "close" && line != "click BtnPrevious"))
        return false;
    for (;;) {
        const auto answer = ReadLine("Throw this character away? (yes/no) ");
        const std::string word = answer ? LowerCase(Trim(*answer)) : "no";
        if (word == "y" || word == "yes")
            return false;
        if (word == "n" || word == "no") {
            Out << "The character is kept.\n";
            return true;
        }
    }
}

std::optional<std::string> TPlayerWords::AtBox(const std::string& word)
{
    const TMsgDlgButtons buttons = Host.BoxButtons();
    // A box with OK alone takes any answer as OK.
    if (!(buttons & (mbYes | mbNo | mbCancel)))
        return "answer ok";
    if ((buttons & mbYes) && (word == "y" || word == "yes"))
        return "answer yes";
    if ((buttons & mbNo) && (word == "n" || word == "no"))
        return "answer no";
    if ((buttons & mbCancel) && (word == "c" || word == "cancel"))
        return "answer cancel";
    if ((buttons & mbOK) && (word.empty() || word == "ok"))
        return "answer ok";
    if (word.rfind("answer ", 0) == 0)
        return word;
    Out << "Please answer " << ((buttons & mbYes) ? "yes or no" : "ok") << ((buttons & mbCancel) ? ", or cancel" : "")
        << ".\n";
    return std::nullopt;
}

std::optional<std::string> TPlayerWords::AtFileDialog(const std::string& typed, const std::string& word)
{
    if (word == "cancel" || word.empty())
        return "answer cancel";
    std::string why;
    const auto path = ChosenPath(Files, typed, why);
    if (!path)
        Out << AsUtf8(why) << '\n';
    return path ? std::optional<std::string>("answer ok " + *path) : std::nullopt;
}

std::optional<std::string> TPlayerWords::AtForm(const std::string& typed, const std::string& word)
{
    const TFormModel& form = *Host.InputForm();
    if (word.empty())
        return std::nullopt;
    if (word == "help" || word == "?") {
        Out << "A number chooses what it names: a choice, a + or - button, or the buttons at the bottom.\n"
               "The line under the page names the words that fill its fields; close leaves the page.\n";
        return std::nullopt;
    }
    std::optional<std::string> line;
    if (word == "import" && form.Name() == "FrmCreate") {
        const TControlState& import = form.Control("BtnImport");
        if (form.IsShown(import) && import.Enabled)
            return "click BtnImport";
        Out << "Only a new character can be imported.\n";
        return std::nullopt;
    }
    if (IsSmallNumber(word)) {
        std::string why;
        line = Page.LineFor(form, StrToIntDef(word, 0), why);
        if (!line)
            Out << AsUtf8(why) << '\n';
    } else if (auto field = Page.FieldLine(form, typed)) {
        line = field;
    } else {
        line = ScriptLine(typed, "That does not work on this page: a number chooses, close leaves, help explains.");
    }
    if (line && KeepsCharacter(*line))
        return std::nullopt;
    return line;
}

std::optional<std::string> TPlayerWords::MemberButton(const std::string& stem, const std::string& number)
{
    const int slot = StrToIntDef(number, 0);
    const TControlState* button = Form.Find(stem + std::to_string(slot));
    if (!button || !Form.Member(slot)) {
        Out << "There is no member " << number << ".\n";
        return std::nullopt;
    }
    if (!button->Enabled) {
        Out << AsUtf8(Form.Member(slot)->Name) << " cannot act now.\n";
        return std::nullopt;
    }
    return "click " + button->Name;
}

std::optional<std::string> TPlayerWords::Choice(int number)
{
    const int shown = static_cast<int>(ShownChoices().size());
    if (number >= 1 && number <= shown)
        return "choose " + std::to_string(number);
    if (shown == 0)
        Out << "There is no choice " << number << ": nothing is offered now.\n";
    else
        Out << "There is no choice " << number << ": choose a number from 1 to " << shown << ".\n";
    return std::nullopt;
}

bool TPlayerWords::SaidNoBook() const
{
    if (BookOpen())
        return false;
    Out << "No adventure is open yet. Type start to begin one.\n";
    return true;
}

std::optional<std::string> TPlayerWords::AtWindow(const std::string& typed, const std::string& word)
{
    if (word.empty())
        return std::nullopt;
    if (word == "help" || word == "?") {
        ShowHelp();
        return std::nullopt;
    }
    if (IsSmallNumber(word))
        return Choice(StrToIntDef(word, 0));
    const std::string first = FirstWord(word);
    const std::string number = Trim(word.substr(first.size()));
    if (first == "member")
        return SaidNoBook() ? std::nullopt : MemberButton("RadioButton", number);
    if (first == "stats")
        return SaidNoBook() ? std::nullopt
                            : MemberButton("BtnStats", number.empty() ? std::to_string(Process().SelectedMember) : number);
    if (const auto lines = ShopWordLines(Form, word, Out)) {
        std::vector<TFormLine> atWindow;
        for (const std::string& line : *lines)
            atWindow.push_back({line, Form.Name()});
        return Begin(atWindow);
    }
    if (IsPartyWord(first))
        return SaidNoBook() ? std::nullopt : Begin(*PartyWordLines(Form, word, Out));
    if (IsItemWord(first))
        return SaidNoBook() ? std::nullopt : Begin(*ItemWordLines(Form, Trim(typed), Out));
    if (first == "journal" || first == "quests" || first == "link") {
        if (!SaidNoBook())
            TurnBook(Out, JournalManager(), first, number);
        return std::nullopt;
    }
    for (const TViewWord& view : ViewWords) {
        if (first == view.Typed && !SaidNoBook())
            ShowView(Out, Form, view.View, StrToIntDef(number, 0));
        if (first == view.Typed)
            return std::nullopt;
    }
    for (const TDirection& direction : Directions()) {
        if (word != direction.Typed)
            continue;
        if (SaidNoBook())
            return std::nullopt;
        const TGameClient& client = GameClient();
        // With choices pending the game itself says why the party stays.
        if (client.CurrentLocation && !(client.Options && client.Options->ShownCount() > 0)) {
            bool exit = false;
            for (const TLocationExit& way : client.CurrentLocation->Exits)
                exit = exit || (way.Orientation == direction.Orientation && way.ExitId >= 1);
            if (!exit) {
                Out << "You can't go that way. Ways on: " << WaysOn(*client.CurrentLocation) << ".\n";
                return std::nullopt;
            }
        }
        return direction.Line;
    }
    for (const TWord& known : Words) {
        if (word != known.Typed)
            continue;
        bool needsBook = true;
        for (const char* open : WordsWithoutBook)
            needsBook = needsBook && word != open;
        if (needsBook && SaidNoBook())
            return std::nullopt;
        // A button that cannot be pressed now is answered in the player's words.
        const std::string line = known.Line;
        if (line.rfind("click ", 0) == 0 && !Form.CanClick(line.substr(6))) {
            Out << "\"" << word << "\" can't be done now.\n";
            return std::nullopt;
        }
        return line;
    }
    return ScriptLine(typed, "I don't know the word \"" + AsUtf8(FirstWord(Trim(typed))) +
                                 "\". Type help for the words you can use.");
}

std::optional<std::string> TPlayerWords::Interpret(const std::string& typed)
{
    const std::string word = LowerCase(Trim(typed));
    switch (Host.Waiting()) {
    case TScriptedHost::TWaitKind::MessageBox:
        return AtBox(word);
    case TScriptedHost::TWaitKind::InputBox:
        return word == "cancel" ? "answer cancel" : "answer ok " + Trim(typed);
    case TScriptedHost::TWaitKind::FileDialog:
        return AtFileDialog(typed, word);
    case TScriptedHost::TWaitKind::Form:
        return AtForm(typed, word);
    case TScriptedHost::TWaitKind::Window:
        return AtWindow(typed, word);
    }
    return std::nullopt;
}

std::optional<std::string> TPlayerWords::Begin(const std::vector<TFormLine>& lines)
{
    if (lines.empty())
        return std::nullopt;
    Pending.assign(lines.begin() + 1, lines.end());
    return lines.front().Line;
}

bool TPlayerWords::Waits(const std::string& form) const
{
    const auto waiting = Host.Waiting();
    const TFormModel* input = Host.InputForm();
    return (waiting == TScriptedHost::TWaitKind::Window || waiting == TScriptedHost::TWaitKind::Form) && input &&
           input->Name() == form;
}

std::optional<std::string> TPlayerWords::NextLine(const std::string&)
{
    // Something else opened on the way (a message box): the rest would miss.
    if (!Pending.empty() && !Waits(Pending.front().Form))
        Pending.clear();
    if (!Pending.empty()) {
        std::string line = std::move(Pending.front().Line);
        Pending.pop_front();
        return line;
    }
    for (;;) {
        // Real time passes for the timers while the player reads and types.
        const auto now = std::chrono::steady_clock::now();
        Host.Advance(std::chrono::duration_cast<std::chrono::milliseconds>(now - LastPrompt).count());
        LastPrompt = now;
        Echo.Flush();
        const auto typed = Ask();
        if (!typed)
            return std::nullopt;
        if (auto line = Interpret(*typed))
            return line;
    }
}

#include "ui/console/PlayerWords.h"

#include <iostream>

#include "app/MainForm.h"
#include "data/Convert.h"
#include "platform/ScriptedHost.h"
#include "rules/Creature.h"
#include "session/Process.h"
#include "ui/console/LineReader.h"
#include "ui/console/OutputEcho.h"

namespace {

struct TWord {
    const char* Typed;
    const char* Line;
};

// Directions as the keypad takes them; actions as their buttons.
const TWord Words[] = {
    {"n", "key Up"},          {"north", "key Up"},     {"e", "key Right"},       {"east", "key Right"},
    {"s", "key Down"},        {"south", "key Down"},   {"w", "key Left"},        {"west", "key Left"},
    {"ne", "key Num9"},       {"nw", "key Num7"},      {"se", "key Num3"},       {"sw", "key Num1"},
    {"u", "key NumPlus"},     {"up", "key NumPlus"},   {"d", "key NumMinus"},    {"down", "key NumMinus"},
    {"in", "key Num5"},       {"out", "key Num0"},     {"exits", "click MainGoBtn"}, {"look", "click BtnLook"},
    {"l", "click BtnLook"},   {"talk", "click BtnTalk"}, {"examine", "click BtnExamine"}, {"open", "click BtnOpen"},
    {"get", "click BtnPickup"}, {"pickup", "click BtnPickup"}, {"contents", "click BtnContents"},
    {"use", "click BtnUse"},  {"unlock", "click BtnUnlock"}, {"rest", "click BtnRest"}, {"loot", "click BtnGet"},
    {"start", "menu StartGame"}, {"details", "menu AdventureDetails"}, {"quit", "menu Exit"}, {"exit", "menu Exit"},
    {"command", "key Space"},
};

} // namespace

TPlayerWords::TPlayerWords(TScriptedHost& host, TForm1& form, TOutputEcho& echo)
    : Host(host), Form(form), Echo(echo), LastPrompt(std::chrono::steady_clock::now())
{
}

void TPlayerWords::ShowHelp()
{
    std::cout << "Move: n s e w ne nw se sw up down in out, or exits for the list.\n"
                 "Act: look, talk, examine, open, get, contents, use, unlock, rest, loot; a number picks a choice.\n"
                 "Party: party (all members) or party N. Game: start, details, quit. Any command-script line works "
                 "too (click NAME, menu NAME, show ...).\n";
}

void TPlayerWords::ShowChoices() const
{
    if (!Form.Control("ScrollBox1").Visible)
        return;
    for (int number = 1;; ++number) {
        const TControlState* label = Form.Find("LblChoice" + std::to_string(number));
        if (!label || label->Caption.empty())
            break;
        std::cout << "  " << label->Caption << '\n';
    }
}

void TPlayerWords::ShowMember(int slot) const
{
    const TPlayer* member = Form.Member(slot);
    if (!member)
        return;
    std::cout << slot << ". " << member->Name << "  level " << member->level << "  endurance " << member->end << "/"
              << member->end_max << "  mana " << member->mana << "/" << member->mana_max << "  STR "
              << member->Abilities[0] << " DEX " << member->Abilities[1] << " MND " << member->Abilities[2]
              << " FTH " << member->Abilities[3] << " CON " << member->Abilities[4] << '\n';
    std::string pack;
    for (const auto& item : member->Backpack)
        if (item)
            pack += (pack.empty() ? "" : ", ") + ItemDisplayName(item.get());
    std::cout << "   backpack: " << (pack.empty() ? "empty" : pack) << '\n';
}

void TPlayerWords::ShowForm()
{
    TFormModel* form = Host.InputForm();
    if (!form)
        return;
    std::cout << "[" << (form->Caption.empty() ? form->Name() : form->Caption) << "]\n";
    // What can be clicked gets a number: typing it clicks.
    Clickable.clear();
    for (const auto& control : form->Controls()) {
        if (!form->IsShown(*control) || control->Kind == TControlKind::Panel)
            continue;
        const bool spin = control->Kind == TControlKind::SpinEdit || control->Kind == TControlKind::Gauge;
        if (control->Caption.empty() && control->Text.empty() && control->Items.empty() && !spin)
            continue;
        const bool clickable = control->Enabled && (control->Kind == TControlKind::Button ||
                                                    control->Kind == TControlKind::RadioButton ||
                                                    control->Kind == TControlKind::CheckBox);
        if (clickable) {
            Clickable.push_back(control->Name);
            std::cout << "  " << Clickable.size() << ". ";
        } else {
            std::cout << "     ";
        }
        std::cout << control->Caption << control->Text;
        if (spin)
            std::cout << control->Name << " " << control->Position;
        if (control->Kind == TControlKind::RadioButton || control->Kind == TControlKind::CheckBox)
            std::cout << (control->Checked ? " (x)" : " ( )");
        if (control->Kind == TControlKind::Edit)
            std::cout << "  [" << control->Name << "]";
        for (size_t item = 0; item < control->Items.size(); ++item)
            std::cout << "\n       " << item << ": " << control->Items[item];
        std::cout << '\n';
    }
    std::cout << "(a number clicks; type NAME TEXT fills a field; select NAME ENTRY; close)\n";
}

std::string TPlayerWords::Translate(const std::string& typed)
{
    const std::string word = LowerCase(Trim(typed));
    switch (Host.Waiting()) {
    case TScriptedHost::TWaitKind::MessageBox:
        // A box with OK alone takes any answer as OK.
        if (!(Host.BoxButtons() & (mbYes | mbNo | mbCancel)))
            return "answer ok";
        if (word == "y" || word == "yes")
            return "answer yes";
        if (word == "n" || word == "no")
            return "answer no";
        if (word == "c" || word == "cancel")
            return "answer cancel";
        if (word.empty() || word == "ok")
            return "answer ok";
        return typed;
    case TScriptedHost::TWaitKind::InputBox:
        return word == "cancel" ? "answer cancel" : "answer ok " + Trim(typed);
    case TScriptedHost::TWaitKind::FileDialog:
        return word == "cancel" || word.empty() ? "answer cancel" : "answer ok " + Trim(typed);
    default:
        break;
    }
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos) {
        if (Host.Waiting() != TScriptedHost::TWaitKind::Form)
            return "choose " + word;
        const size_t number = static_cast<size_t>(StrToIntDef(word, 0));
        if (number >= 1 && number <= Clickable.size())
            return "click " + Clickable[number - 1];
    }
    for (const TWord& known : Words)
        if (word == known.Typed)
            return known.Line;
    return typed;
}

std::optional<std::string> TPlayerWords::NextLine(const std::string&)
{
    // Real time passes for the timers while the player reads and types.
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        Host.Advance(std::chrono::duration_cast<std::chrono::milliseconds>(now - LastPrompt).count());
        LastPrompt = now;
        Echo.Flush();
        switch (Host.Waiting()) {
        case TScriptedHost::TWaitKind::MessageBox: {
            const TMsgDlgButtons buttons = Host.BoxButtons();
            std::cout << "[" << Host.LastBoxText() << "]"
                      << ((buttons & mbYes) ? " yes/no" : "") << ((buttons & mbCancel) ? "/cancel" : "")
                      << (!(buttons & mbYes) ? " (Enter)" : "") << '\n';
            break;
        }
        case TScriptedHost::TWaitKind::InputBox:
            std::cout << "[" << Host.LastBoxText() << "] type a text, or cancel\n";
            break;
        case TScriptedHost::TWaitKind::Form:
            ShowForm();
            break;
        default:
            ShowChoices();
            break;
        }
        const auto line = ReadPlayerLine("> ");
        if (!line)
            return std::nullopt;
        const std::string& typed = *line;
        const std::string word = LowerCase(Trim(typed));
        if (Host.Waiting() == TScriptedHost::TWaitKind::Window || Host.Waiting() == TScriptedHost::TWaitKind::Form) {
            if (word == "help" || word == "?") {
                ShowHelp();
                continue;
            }
            if (word == "party" || word.rfind("party ", 0) == 0) {
                const int slot = StrToIntDef(Trim(word.substr(5)), 0);
                for (int member = 1; member <= MaxPartySize; ++member)
                    if (slot == 0 || slot == member)
                        ShowMember(member);
                continue;
            }
        }
        return Translate(typed);
    }
}

#include "ui/console/PartyWords.h"

#include "app/MainForm.h"
#include "data/Convert.h"

namespace {

const char* const PartyForm = "FrmParty";

struct TPartyWord {
    const char* Typed;
    // The dialog's button pressed for the member; none opens the dialog alone.
    const char* Button;
};
const TPartyWord PartyWords[] = {
    {"manage", nullptr},
    {"dismiss", "Button1"},
    {"export", "BtnExport"},
};

} // namespace

bool IsPartyWord(const std::string& word)
{
    for (const TPartyWord& party : PartyWords)
        if (word == party.Typed)
            return true;
    return false;
}

std::optional<std::vector<TFormLine>> PartyWordLines(const TForm1& form, const std::string& words, std::ostream& out)
{
    const std::string text = Trim(words);
    const std::string first = text.substr(0, text.find(' '));
    const std::string number = Trim(text.substr(first.size()));
    for (const TPartyWord& word : PartyWords) {
        if (first != word.Typed)
            continue;
        std::vector<TFormLine> lines = {{"click BtnParty", form.Name()}};
        if (!word.Button)
            return lines;
        const int slot = StrToIntDef(number, 0);
        if (number.empty()) {
            out << "Say which member: " << word.Typed << " and a member's number, such as " << word.Typed << " 2.\n";
            return std::vector<TFormLine>();
        }
        if (!form.Member(slot)) {
            out << "There is no member " << number << ".\n";
            return std::vector<TFormLine>();
        }
        lines.push_back({"click RadioP" + std::to_string(slot), PartyForm});
        lines.push_back({std::string("click ") + word.Button, PartyForm});
        return lines;
    }
    return std::nullopt;
}

void ShowPartyWords(std::ostream& out)
{
    out << "(manage opens the party dialog; dismiss 2 leaves member 2 behind here; export 2 writes member 2 to a "
           "character file)\n";
}

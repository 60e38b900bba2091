#include "ui/console/ShopPage.h"

#include "app/MainForm.h"
#include "data/Convert.h"
#include "data/Utf8Text.h"
#include "rules/Creature.h"
#include "session/GameClient.h"
#include "session/Process.h"

namespace {

struct TShopWord {
    const char* Typed;
    const char* Button;
    // What the list shows when the button may be pressed.
    const char* Needs;
};
const TShopWord ShopWords[] = {
    {"buy", "BtnBuy", "The shop shows the party's things now: sell and a number sells one."},
    {"info", "BtnInfo", "The shop shows the party's things now: sell and a number sells one."},
    {"sell", "BtnSell", "The shop shows its goods now: buy and a number buys one."},
};

bool ShopShown(const TForm1& form)
{
    const TControlState* panel = form.Find("PanelShop");
    return panel && form.IsShown(*panel);
}

} // namespace

void DrawShopPage(std::ostream& out, const TForm1& form)
{
    if (!ShopShown(form))
        return;
    const TPlayer* member = form.Member(Process().SelectedMember);
    out << "[" << AsUtf8(form.Control("LblShopName").Caption) << "] The party has " << GameClient().PartyGold
        << " gold; " << (member ? AsUtf8(member->Name) : std::string("nobody")) << " trades (member and a number "
        << "lets another).\n";
    const bool selling = form.Control("BtnSell").Enabled;
    out << (selling ? "  What the shop would buy (sell and a number):\n"
                    : "  The shop's goods (buy and a number; info and a number tells of one):\n");
    const std::vector<std::string>& lines = form.Control("ShopList").Items;
    for (size_t line = 0; line < lines.size(); ++line)
        out << "   [" << line + 1 << "] " << AsUtf8(lines[line]) << '\n';
    if (lines.empty())
        out << "   nothing\n";
}

std::optional<std::vector<std::string>> ShopWordLines(const TForm1& form, const std::string& words, std::ostream& out)
{
    const size_t blank = words.find(' ');
    const std::string word = words.substr(0, blank);
    for (const TShopWord& shopWord : ShopWords) {
        if (word != shopWord.Typed)
            continue;
        const std::string rest = blank == std::string::npos ? "" : Trim(words.substr(blank));
        // info tells of a member's things too: of a shop line by its number, in an open shop.
        if (shopWord.Button == std::string("BtnInfo") &&
            (!ShopShown(form) || rest.find_first_not_of("0123456789") != std::string::npos))
            return std::nullopt;
        if (!ShopShown(form)) {
            out << "There is no shop open here.\n";
            return std::vector<std::string>();
        }
        if (!form.Control(shopWord.Button).Enabled) {
            out << shopWord.Needs << '\n';
            return std::vector<std::string>();
        }
        const int number = StrToIntDef(rest, 0);
        const int count = static_cast<int>(form.Control("ShopList").Items.size());
        if (number < 1 || number > count) {
            out << "The shop's list has " << (count == 0 ? std::string("nothing in it") : "lines 1 to " +
                                                  std::to_string(count))
                << ": " << shopWord.Typed << " and a number picks one.\n";
            return std::vector<std::string>();
        }
        return std::vector<std::string>{"select ShopList " + std::to_string(number - 1),
                                        std::string("click ") + shopWord.Button};
    }
    return std::nullopt;
}

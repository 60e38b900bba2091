#include <gtest/gtest.h>

#include <sstream>

#include "support/EngineFixture.h"
#include "ui/console/ShopPage.h"

namespace {

class ShopPageTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        auto member = std::make_unique<TPlayer>();
        member->Name = "Aldric";
        GameClient().AddPartyMember(member, 1);
        GameClient().PartyGold = 82;
        Form().Control("LblShopName").Caption = "Tamsin's Provisions";
        Form().Control("ShopList").Items = {"(11) 1gp Torch", "6gp Coil of Rope"};
        Form().Control("PanelShop").Visible = true;
        Form().Control("BtnSell").Enabled = false;
    }
};

} // namespace

TEST_F(ShopPageTest, ThePanelIsDrawnWithItsLinesInBrackets)
{
    std::ostringstream out;
    DrawShopPage(out, Form());
    EXPECT_EQ(out.str(), "[Tamsin's Provisions] The party has 82 gold; Aldric trades (member and a number lets "
                         "another).\n"
                         "  The shop's goods (buy and a number; info and a number tells of one):\n"
                         "   [1] (11) 1gp Torch\n"
                         "   [2] 6gp Coil of Rope\n");
    Form().Control("PanelShop").Visible = false;
    std::ostringstream closed;
    DrawShopPage(closed, Form());
    EXPECT_EQ(closed.str(), "");
}

TEST_F(ShopPageTest, AShopWordStandsForTheLineAndTheButton)
{
    struct Case {
        const char* typed;
        bool selling;
        std::optional<std::vector<std::string>> lines;
        const char* answer;
    };
    using TLines = std::vector<std::string>;
    const Case cases[] = {
        {"buy 2", false, TLines{"select ShopList 1", "click BtnBuy"}, ""},
        {"info 1", false, TLines{"select ShopList 0", "click BtnInfo"}, ""},
        {"sell 1", true, TLines{"select ShopList 0", "click BtnSell"}, ""},
        {"buy 3", false, TLines{}, "The shop's list has lines 1 to 2: buy and a number picks one.\n"},
        {"buy", false, TLines{}, "The shop's list has lines 1 to 2: buy and a number picks one.\n"},
        {"sell 1", false, TLines{}, "The shop shows its goods now: buy and a number buys one.\n"},
        {"buy 1", true, TLines{}, "The shop shows the party's things now: sell and a number sells one.\n"},
        {"look", false, std::nullopt, ""},
        // info without a line's number tells of a member's own thing.
        {"info rope", false, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        Form().Control("BtnBuy").Enabled = !c.selling;
        Form().Control("BtnInfo").Enabled = !c.selling;
        Form().Control("BtnSell").Enabled = c.selling;
        std::ostringstream out;
        EXPECT_EQ(ShopWordLines(Form(), c.typed, out), c.lines) << c.typed;
        EXPECT_EQ(out.str(), c.answer) << c.typed;
    }
    Form().Control("PanelShop").Visible = false;
    std::ostringstream out;
    EXPECT_EQ(ShopWordLines(Form(), "buy 1", out), std::vector<std::string>());
    EXPECT_EQ(out.str(), "There is no shop open here.\n");
    EXPECT_EQ(ShopWordLines(Form(), "info 1", out), std::nullopt);
}

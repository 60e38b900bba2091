#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <utility>

#include "platform/Timer.h"
#include "rules/Creature.h"
#include "rules/ShopPrices.h"
#include "rules/ShopSession.h"
#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"
#include "support/SessionFixture.h"

namespace {

constexpr int64_t ShopId = 7;

// A forge that buys tools, rings and wands (types 1, 13, 22) and long swords
// (weapon type 10), and sells torches from a stack of three, a long sword, a
// wand of its own and an oilcloth pouch holding gold and a torch.
const char* const Content = R"SQL(
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, equipped_on, special_uses,
                            used_if_on, base_price)
  values (1, 'Torch', 1, 1, 0, 0, 9, 0, 0, 10),
         (2, 'Wand of Sparks', 22, 1, 5, 0, 100, 0, 0, 100),
         (3, 'Amber Ring', 13, 0, 0, 0, 10, 0, 0, 40),
         (4, 'Coil of Rope', 4, 1, 0, 0, 0, 0, 0, 4),
         (5, 'Bone Wand', 23, 1, 5, 0, 100, 0, 0, 50);
insert into items (id, template_id) values (1, 1), (2, 2), (3, 3), (4, 4), (5, 5), (21001, 2), (21002, 1);
insert into extended_data values (1, 2, 'RechargePrice', '10'), (1, 5, 'RechargePrice', '10');
insert into weapon_types (id, launcher_id) values (10, 0);
insert into weapon_templates (id, name, type_id, identified, charges, weapon_uses, damage_id, two_handed, missile,
                              base_price)
  values (8, 'Long Sword', 10, 1, 0, -1, 0, 0, 0, 40);
insert into weapons (id, template_id) values (8, 8);
insert into container_templates (id, name, base_price, max_contents, open, locked)
  values (20001, 'Oilcloth Pouch', 6, 2, 1, 0);
insert into container_contents values (20001, 4, 30), (20001, 1, 21002);
insert into shop_contents (shop_id, cont_id, type_id, stack)
  values (7, 1, 5, 3), (7, 8, 6, 1), (7, 21001, 5, 1), (7, 20001, 4, 1), (7, 99, 9, 1);
insert into items_to_buy values (7, 1), (7, 13), (7, 22), (7, 300);
insert into weapons_to_buy values (7, 10);
insert into item_id_gen (id) values (28000000);
)SQL";

const char* const Goods = "(3) 12gp Torch|46gp Long Sword|115gp Wand of Sparks(5)|7gp Oilcloth Pouch";

// The services a shop script gives: what it heard, and what it does then.
std::vector<std::string> Heard;
std::function<void()> DuringService;
constexpr int32_t BlessingService = 101;

class TShopScript : public TScriptObject {
public:
    int32_t OnShopService(int64_t shop, int64_t service) override
    {
        Heard.push_back(std::to_string(shop) + "/" + std::to_string(service));
        if (DuringService)
            DuringService();
        return 1;
    }
};

class ShopSessionTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        Form().FormCreate();
        OpenAdventure(Content);
        Hero = &AddMember(1, "Aldric");
        GameClient().PartyGold = 100;
        Heard.clear();
        DuringService = nullptr;
    }

    void TearDown() override
    {
        DuringService = nullptr;
        SessionFixture::TearDown();
    }

    TPlayer& AddMember(int slot, const std::string& name)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->Id = 50000 + slot;
        GameClient().AddPartyMember(player, slot);
        return *Form().Member(slot);
    }

    enum class TKind { Item, Weapon, Container };

    // An object of the book in the member's first free backpack slot.
    TItem& Carry(TPlayer& member, int64_t id, TKind kind = TKind::Item)
    {
        std::unique_ptr<TItem> object;
        if (kind == TKind::Weapon) {
            auto made = std::make_unique<TWeapon>();
            Data().LoadWeapon(id, made.get(), false);
            object = std::move(made);
        } else {
            object = std::make_unique<TItem>();
            if (kind == TKind::Container)
                Data().LoadContainer(id, object.get());
            else
                Data().LoadItem(id, object.get(), false);
        }
        TItem& carried = *object;
        member.PutInBackpack(object, member.FirstFreeBackpackSlot());
        return carried;
    }

    TShopSession& Open(int32_t saleDiscount = 10, int32_t markup = 15)
    {
        Cmd().OpenShop("The Forge", saleDiscount, markup, ShopId);
        return *Form().ShopSession;
    }

    // The open shop's menu with the lines answered, left at the end.
    void Trade(const std::string& lines, TScriptObject* script = nullptr)
    {
        Queue(lines + "\nchoose 4");
        Cmd().RunShop(script);
    }

    std::vector<std::string> Backpack(const TPlayer& member) const
    {
        std::vector<std::string> names;
        for (const auto& object : member.Backpack)
            if (object)
                names.push_back(ItemDisplayName(object.get()));
        return names;
    }

    std::string Stock() { return Value("select group_concat(cont_id || 'x' || stack, ' ') from shop_contents"); }

    TPlayer* Hero = nullptr;
};

} // namespace

TEST(ShopPricesTest, PricesRoundHalvesToTheEvenNeighbour)
{
    struct Case {
        const char* what;
        int32_t price;
        int32_t expected;
    };
    const Case cases[] = {
        {"sold at 15 %: 11.5", SellingPrice(10, 15), 12},
        {"sold at 5 %: 10.5", SellingPrice(10, 5), 10},
        {"sold at 5 %: 31.5", SellingPrice(30, 5), 32},
        {"sold at 15 %: 34.5", SellingPrice(30, 15), 34},
        {"bought at 10 % off", BuyingPrice(10, 10), 9},
        {"bought at 30 % off: 3.5", BuyingPrice(5, 30), 4},
        {"bought at 50 % off: 2.5", BuyingPrice(5, 50), 2},
        {"bought at 100 % off", BuyingPrice(80, 100), 0},
        {"a recharge of 3 charges at 10, 15 % on top: 34.5", RechargeCost(5, 2, 10, 15), 34},
        {"a recharge of 1 charge at 10, 30 % on top", RechargeCost(6, 5, 10, 30), 13},
        {"a negative base price", SellingPrice(-10, 15), 0},
        {"beyond what gold counts", SellingPrice(std::numeric_limits<int32_t>::max(), 1000), 2147483647},
        {"a recharge beyond what gold counts",
         RechargeCost(std::numeric_limits<int32_t>::max(), -std::numeric_limits<int32_t>::max(),
                      std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()),
         2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.price, c.expected) << c.what;
}

TEST(ShopPricesTest, OpeningPercentagesOutsideTheirRangeTakeTheDefaults)
{
    EXPECT_EQ(ShopMarkup(-5), 15);
    EXPECT_EQ(ShopMarkup(0), 0);
    EXPECT_EQ(ShopMarkup(250), 250);
    EXPECT_EQ(ShopSaleDiscount(150), 10);
    EXPECT_EQ(ShopSaleDiscount(-1), 10);
    EXPECT_EQ(ShopSaleDiscount(100), 100);
    EXPECT_EQ(ShopSaleDiscount(0), 0);
}

TEST_F(ShopSessionTest, TheStockIsListedWithItsPricesAndStacks)
{
    // A markup of -5 is 15 and a sale discount of 150 is 10; a row of a kind no
    // shop keeps (9) is left out.
    TShopSession& shop = Open(150, -5);
    EXPECT_EQ(shop.Markup, 15);
    EXPECT_EQ(shop.SaleDiscount, 10);
    EXPECT_EQ(shop.Goods.size(), 4u);
    EXPECT_TRUE(GameClient().Trading);
    EXPECT_EQ(Form().Control("LblShopName").Caption, "The Forge");
    EXPECT_TRUE(Form().Control("BtnBuy").Enabled);
    EXPECT_FALSE(Form().Control("BtnSell").Enabled);
    EXPECT_FALSE(Form().Control("MenuFile").Enabled);
    TestHost.AddLines("expect-control ShopList items " + std::string(Goods));
    Trade("expect-control PanelShop visible true\nexpect-control PanelMap visible false\n"
          "expect-control LblChoice4 caption 4. Exit");
    EXPECT_FALSE(GameClient().Trading);
    EXPECT_EQ(Form().ShopSession, nullptr);
    EXPECT_FALSE(Form().Control("PanelShop").Visible);
    EXPECT_TRUE(Form().Control("PanelMap").Visible);
    EXPECT_TRUE(Form().Control("MenuFile").Enabled);
    EXPECT_EQ(Options().ShownCount(), 0);
    EXPECT_EQ(Stock(), "1x3 8x1 21001x1 20001x1");
}

TEST_F(ShopSessionTest, ABaseObjectSellsFreshCopiesDownItsStack)
{
    Open();
    Trade("choose 1\nselect ShopList 0\nclick BtnBuy\n"
          "expect-control ShopList items (2) 12gp Torch|46gp Long Sword|115gp Wand of Sparks(5)|7gp Oilcloth Pouch\n"
          "expect-control ShopList itemindex 0\n"
          "click BtnBuy\nexpect-control ShopList items 12gp Torch|46gp Long Sword|115gp Wand of Sparks(5)|7gp "
          "Oilcloth Pouch\n"
          "click BtnBuy\nexpect-control ShopList items 46gp Long Sword|115gp Wand of Sparks(5)|7gp Oilcloth Pouch\n"
          "expect-control Gold1 caption 64");
    EXPECT_EQ(Backpack(*Hero), (std::vector<std::string>{"Torch", "Torch", "Torch"}));
    EXPECT_NE(Hero->Backpack[0], Hero->Backpack[1]);
    EXPECT_EQ(GameClient().PartyGold, 64);
    // The stack bought out is gone from the stock.
    EXPECT_EQ(Stock(), "8x1 21001x1 20001x1");
}

TEST_F(ShopSessionTest, UniqueObjectsAndContainersLeaveTheStockThemselves)
{
    GameClient().PartyGold = 200;
    Open();
    Trade("choose 1\nselect ShopList 2\nclick BtnBuy\nselect ShopList 2\nclick BtnBuy\n"
          "expect-control ShopList items (3) 12gp Torch|46gp Long Sword");
    ASSERT_TRUE(Hero->Backpack[0] && Hero->Backpack[1]);
    EXPECT_EQ(Hero->Backpack[0]->Id, 21001);
    // The pouch is the shop's own, with its gold and torch: no copy of either is made.
    const TItem& pouch = *Hero->Backpack[1];
    EXPECT_EQ(pouch.Id, 20001);
    ASSERT_TRUE(pouch.Container);
    EXPECT_EQ(pouch.Container->Gold, 30);
    EXPECT_EQ(pouch.Container->Contents[0]->Id, 21002);
    EXPECT_EQ(GameClient().PartyGold, 200 - 115 - 7);
    EXPECT_EQ(Stock(), "1x3 8x1");
    EXPECT_EQ(Value("select count(*) from items where template_id = 2"), "2");
}

TEST_F(ShopSessionTest, RefusedPurchasesLeaveGoldStockAndBackpackAsTheyWere)
{
    struct Case {
        const char* what;
        int32_t gold;
        bool fullBackpack;
        const char* box;
    };
    const Case cases[] = {
        {"too little gold", 45, false, "Not enough gold."},
        {"a full backpack", 100, true, "Backpack is full."},
    };
    for (const Case& c : cases) {
        for (auto& place : Hero->Backpack)
            place.reset();
        if (c.fullBackpack)
            for (int place = 1; place <= BackpackSlotCount; ++place)
                Carry(*Hero, 4);
        GameClient().PartyGold = c.gold;
        Open();
        Trade(std::string("choose 1\nselect ShopList 1\nclick BtnBuy\nexpect-box ") + c.box +
              "\nanswer ok\nexpect-control ShopList items " + Goods);
        EXPECT_EQ(GameClient().PartyGold, c.gold) << c.what;
        EXPECT_EQ(Backpack(*Hero).size(), c.fullBackpack ? 15u : 0u) << c.what;
        EXPECT_EQ(Stock(), "1x3 8x1 21001x1 20001x1") << c.what;
    }
    // The shop's own refusal, for a caller that did not look at the backpack.
    TShopSession& shop = Open();
    Form().Control("ShopList").ItemIndex = 0;
    Queue("expect-box Inventory is full\nanswer ok");
    shop.Buy(1);
    EXPECT_EQ(GameClient().PartyGold, 100);
    EXPECT_EQ(Form().Control("ShopList").Items[0], "(3) 12gp Torch");
}

TEST_F(ShopSessionTest, OnlyWhatTheShopBuysIsOfferedAndASoldObjectGoesOnSale)
{
    Carry(*Hero, 4);          // rope: a type the shop does not buy
    Carry(*Hero, 3);          // a ring, but not identified
    Carry(*Hero, 20001, TKind::Container);  // never bought
    Carry(*Hero, 21002);      // a torch
    Carry(*Hero, 8, TKind::Weapon);  // a long sword
    TPlayer& brenna = AddMember(2, "Brenna");
    Carry(brenna, 5);         // a bone wand: a type the shop does not buy
    Carry(brenna, 2);         // a wand of sparks
    Form().Click("RadioButton1");
    Open();
    Trade("choose 3\nexpect-control ShopList items 9gp Torch|36gp Long Sword\n"
          "click RadioButton2\nexpect-control ShopList items 90gp Wand of Sparks(5)\n"
          "click RadioButton1\nselect ShopList 0\nclick BtnSell\nexpect-control ShopList items 36gp Long Sword\n"
          "expect-control Gold1 caption 109\n"
          "choose 1\nexpect-control ShopList items " + std::string(Goods) + "|12gp Torch");
    EXPECT_EQ(GameClient().PartyGold, 109);
    EXPECT_EQ(Backpack(*Hero), (std::vector<std::string>{"Coil of Rope", "Ring(NOT IDENTIFIED)", "Oilcloth Pouch",
                                                         "Long Sword"}));
    // Sold, it is written back with a stack of one.
    EXPECT_EQ(Stock(), "1x3 8x1 21001x1 20001x1 21002x1");
}

TEST_F(ShopSessionTest, ARechargeCostsTheMissingChargesWithTheMarkup)
{
    TItem& wand = Carry(*Hero, 21001);
    wand.ccharges = 2;
    TItem& bone = Carry(*Hero, 5);
    bone.ccharges = 1;
    Carry(*Hero, 21002);
    Open();
    Form().ShopSession->AddService("Fill a wand", 0, RechargeService);
    Trade("choose 2\nexpect-control LblChoice2 caption 2. Fill a wand\nchoose 2\n"
          "expect-control ListBox1 items 34gp Wand of Sparks(2)\nselect ListBox1 0\nclick Button1\n"
          "expect-control Item01_1 caption Wand of Sparks(5)\nchoose 1");
    EXPECT_EQ(wand.ccharges, 5);
    EXPECT_EQ(bone.ccharges, 1);
    EXPECT_EQ(GameClient().PartyGold, 66);
    EXPECT_EQ(Value("select ccharges from items where id = 21001"), "5");
}

TEST_F(ShopSessionTest, RefusedServicesCostNothing)
{
    struct Case {
        const char* what;
        int32_t gold;
        int32_t charges;
        const char* lines;
    };
    const Case cases[] = {
        {"nothing to recharge", 100, 5, "choose 2\nexpect-box The current player does not have any items that can be "
                                        "recharged\nanswer ok\nchoose 1"},
        {"too little gold for the recharge", 20, 2, "choose 2\nselect ListBox1 0\nclick Button1\n"
                                                     "expect-box You do not have enough gold\nanswer ok\nchoose 1"},
        {"a recharge called off", 100, 2, "choose 2\nselect ListBox1 0\nclick Button2\nchoose 1"},
        {"too little gold for the service", 4, 2, "choose 3\nexpect-box You do not have enough money.\nanswer ok\n"
                                                   "choose 1"},
        {"nothing to identify", 100, 2, "choose 4\nexpect-box The current player does not have any items that need to "
                                        "be identified\nanswer ok\nchoose 1"},
    };
    TItem& wand = Carry(*Hero, 21001);
    for (const Case& c : cases) {
        wand.ccharges = c.charges;
        GameClient().PartyGold = c.gold;
        TShopSession& shop = Open();
        shop.AddService("Fill a wand", 0, RechargeService);
        shop.AddService("A blessing", 5, BlessingService);
        shop.AddService("Name a thing", 0, IdentifyService);
        TShopScript script;
        Trade(std::string("choose 2\n") + c.lines, &script);
        EXPECT_EQ(GameClient().PartyGold, c.gold) << c.what;
        EXPECT_EQ(wand.ccharges, c.charges) << c.what;
        EXPECT_TRUE(Heard.empty()) << c.what;
    }
}

TEST_F(ShopSessionTest, AnIdentificationNamesTheObjectForTheServicePrice)
{
    Carry(*Hero, 21002);
    TItem& ring = Carry(*Hero, 3);
    Open();
    Form().ShopSession->AddService("Name a thing", 10, IdentifyService);
    Trade("choose 2\nexpect-control LblChoice2 caption 2. Name a thing 10gp\nchoose 2\n"
          "expect-control ListBox1 items Ring(NOT IDENTIFIED)\nselect ListBox1 0\nclick Button1\n"
          "expect-control Item02_1 caption Amber Ring\nchoose 1");
    EXPECT_TRUE(ring.Identified);
    EXPECT_EQ(GameClient().PartyGold, 90);
    EXPECT_EQ(Value("select cidentified from items where id = " + std::to_string(ring.Id)), "1");
}

TEST_F(ShopSessionTest, AServiceOfTheScriptIsPaidOnlyWhenTheScriptGivesIt)
{
    struct Case {
        const char* what;
        std::function<void()> service;
        const char* lines;
        int32_t gold;
    };
    const Case cases[] = {
        {"given", [] {}, "expect-control Gold1 caption 95", 95},
        {"failed", [] { throw std::runtime_error("no candles"); },
         "expect-box Script Exception Raised : MsgID = 15\nanswer ok\nexpect-control Gold1 caption 100", 100},
    };
    for (const Case& c : cases) {
        Heard.clear();
        GameClient().PartyGold = 100;
        DuringService = c.service;
        Open().AddService("A blessing", 5, BlessingService);
        TShopScript script;
        Trade(std::string("choose 2\nchoose 2\n") + c.lines + "\nchoose 1", &script);
        EXPECT_EQ(Heard, (std::vector<std::string>{"7/101"})) << c.what;
        EXPECT_EQ(GameClient().PartyGold, c.gold) << c.what;
    }
}

TEST_F(ShopSessionTest, WhatChangesDuringAPickMovesNoGoldAndNoObject)
{
    struct Case {
        const char* what;
        std::function<void()> meanwhile;
        // The lines after the wait, up to leaving the menu.
        const char* rest;
        int32_t gold;
        int32_t charges;
    };
    const Case cases[] = {
        {"the wand given away", [] { MainForm().Member(2)->PutInBackpack(MainForm().Member(1)->Backpack[0], 1); },
         "select ListBox1 0\nclick Button1\nchoose 1\nchoose 4", 100, 2},
        {"the gold spent", [] { Cmd().SetGold(10); },
         "select ListBox1 0\nclick Button1\nexpect-box You do not have enough gold\nanswer ok\nchoose 1\nchoose 4", 10,
         2},
        {"the book closed", [] { GameClient().CloseBook(); }, "select ListBox1 0\nclick Button1", 0, 2},
    };
    TPlayer& brenna = AddMember(2, "Brenna");
    Form().Click("RadioButton1");
    for (const Case& c : cases) {
        Hero->Backpack[0].reset();
        brenna.Backpack[0].reset();
        TItem& wand = Carry(*Hero, 21001);
        wand.ccharges = 2;
        GameClient().PartyGold = 100;
        Open().AddService("Fill a wand", 0, RechargeService);
        bool done = false;
        TTimer timer(TestHost, 500, [&] {
            if (!std::exchange(done, true))
                c.meanwhile();
        });
        timer.SetEnabled(true);
        Queue(std::string("choose 2\nchoose 2\nwait 1s\n") + c.rest);
        Cmd().RunShop(nullptr);
        EXPECT_EQ(GameClient().PartyGold, c.gold) << c.what;
        EXPECT_FALSE(GameClient().Trading) << c.what;
        EXPECT_EQ(Form().ShopSession, nullptr) << c.what;
        // A closed book has freed the wand with the party.
        if (!BookOpen())
            return;
        EXPECT_EQ(wand.ccharges, c.charges) << c.what;
    }
}

TEST_F(ShopSessionTest, TheBookClosedWhileTheMenuWaitsEndsTheShop)
{
    Open();
    bool done = false;
    TTimer timer(TestHost, 500, [&done] {
        if (!std::exchange(done, true))
            GameClient().CloseBook();
    });
    timer.SetEnabled(true);
    Queue("choose 1\nwait 1s");
    Cmd().RunShop(nullptr);
    EXPECT_FALSE(BookOpen());
    EXPECT_FALSE(GameClient().Trading);
    EXPECT_EQ(Form().ShopSession, nullptr);
}

TEST_F(ShopSessionTest, WhileTradingNoOtherShopOpensAndNothingSavesOrCloses)
{
    TShopSession& shop = Open();
    // Before its menu runs, the window and the bookmark wait for the trade.
    Queue("expect-box You must finish trading first\nanswer ok\nexpect-box You must finish trading first\nanswer ok");
    EXPECT_FALSE(Form().CloseQuery());
    EXPECT_FALSE(GameClient().SaveBookmark());
    // A script run by the menu asks for another shop: the one running stays.
    shop.AddService("A blessing", 5, BlessingService);
    DuringService = [] { Cmd().OpenShop("Elsewhere", 10, 15, 8); };
    TShopScript script;
    Trade("choose 2\nchoose 2\nexpect-control LblShopName caption The Forge\nchoose 1", &script);
    EXPECT_EQ(Heard, (std::vector<std::string>{"7/101"}));
    EXPECT_EQ(Form().ShopSession, nullptr);
    // Opened again without a menu, another shop takes its place and the first
    // one's goods are stored as they are now.
    TShopSession& again = Open();
    Form().Control("ShopList").ItemIndex = 1;
    again.Buy(1);
    Cmd().OpenShop("Elsewhere", 10, 15, 8);
    EXPECT_EQ(Form().Control("LblShopName").Caption, "Elsewhere");
    EXPECT_EQ(Stock(), "1x3 21001x1 20001x1");
}

#include <gtest/gtest.h>

#include <functional>

#include "data/Convert.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/Effects.h"
#include "support/SessionFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

const char* const Content = R"SQL(
insert into general (name, value) values ('EncText', '0');
with recursive n(x) as (select 1 union all select x + 1 from n where x < 40)
  insert into locations (id, name, brief, desc_id) select 1000 + x, 'Place ' || x, 'Brief ' || x, 0 from n;
update locations set intro_id = 7, desc_id = 8 where id = 1001;
insert into texts (id, file, text) values (7, 'intro.txt', 'Smoke rises from the gate.'), (8, 'desc.txt', 'The gate.');
insert into item_templates (id, name) values (1, 'Lantern'), (2, 'Rope'), (3, 'Chalk');
insert into items (id, template_id) values (1, 1), (2, 2), (3, 3);
insert into container_templates (id, name, max_contents) values (20001, 'Crate', 3);
insert into creature_templates (id, name, endurance, end_max) values (7, 'Rat', 4, 4), (8, 'Wolf', 10, 10);
insert into creature_templates (id, name, endurance, end_max, delay) values (30001, 'Cellar Rat', 4, 4, 6);
insert into creatures (id, template_id) values (7, 7), (8, 8), (30101, 7), (30102, 8), (30001, 30001);
insert into npc_templates (id, name) values (1, 'Innkeeper');
insert into npcs (id, template_id) values (40001, 1);
insert into loc_cont (loc_id, ctype, cont_id, visible) values
  (1001, 5, 1, 1), (1001, 5, 2, 1), (1001, 5, 3, 1), (1001, 10, 30101, 1), (1001, 20, 30102, 1),
  (1001, 4, 20001, 1), (1001, 30, 40001, 0), (1002, 5, 999, 1), (1002, 10, 999, 1);
insert into exits (exit_id, loc_id, exit_name, orientation, visible) values
  (1002, 1001, 'north gate', 1, 1), (1003, 1001, 'side alley', 2, 1), (1004, 1001, 'trapdoor', 10, 1),
  (1005, 1001, 'gap', 13, 1), (0, 1001, 'nowhere', 3, 1);
)SQL";

class LocationTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
        Form().LocationManager = std::make_unique<TLocationManager>();
    }

    TLocationManager& Manager() { return *Form().LocationManager; }
    std::string Rows(const std::string& where) { return Value("select count(*) from loc_cont where " + where); }
};

std::unique_ptr<TItem> NamedItem(const std::string& name, int64_t id)
{
    auto item = std::make_unique<TItem>();
    item->Name = item->RealName = name;
    item->Id = id;
    return item;
}

} // namespace

TEST(LocationListsTest, HolesAreReusedAndBodiesGrowByTen)
{
    TLocation here;
    here.AddItem(NamedItem("Lantern", 1));
    here.AddItem(NamedItem("Rope", 2));
    ASSERT_EQ(here.Items.size(), 5u);
    here.RemoveItem(1);
    EXPECT_EQ(here.Items[0], nullptr);
    here.AddItem(NamedItem("Chalk", 3));
    EXPECT_EQ(here.Items[0]->Name, "Chalk");
    EXPECT_EQ(here.Items.size(), 5u);
    here.AddItem(nullptr);
    here.RemoveItem(404);

    for (int body = 0; body < 11; ++body) {
        auto rat = std::make_unique<TEnemy>();
        rat->end_max = rat->end = 3;
        rat->Id = body;
        here.AddCorpse(std::move(rat));
    }
    EXPECT_EQ(here.Corpses.size(), 20u);
    EXPECT_EQ(here.Corpses[10]->end, 0);

    // Removal by kind: a weapon with an item's id is not an item of that kind.
    auto sword = std::make_unique<TWeapon>();
    sword->Id = 3;
    here.AddItem(std::move(sword));
    here.RemoveContainer(3);
    here.RemoveWeapon(3);
    EXPECT_EQ(here.Items[0]->Name, "Chalk");
    EXPECT_EQ(here.Items[2], nullptr);
}

TEST_F(LocationTest, LoadingPlacesTheVisibleContents)
{
    TLocation* gate = Manager().GetLocation(1001);
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(gate->Name, "Place 1");
    EXPECT_EQ(gate->IntroText, std::vector<std::string>{"Smoke rises from the gate."});
    EXPECT_EQ(Manager().GetLocation(1001), gate);
    int items = 0;
    for (const auto& item : gate->Items)
        items += item != nullptr;
    EXPECT_EQ(items, 4);
    ASSERT_NE(gate->Corpses[0], nullptr);
    EXPECT_EQ(gate->Corpses[0]->Name, "Rat");
    EXPECT_EQ(gate->Corpses[0]->end, 0);
    ASSERT_NE(gate->Creatures[0], nullptr);
    EXPECT_GT(gate->Creatures[0]->PlacementId, 0);
    EXPECT_EQ(gate->Npcs.size(), 0u);
    ASSERT_EQ(gate->Exits.size(), 5u);
    EXPECT_EQ(gate->Exits[3].Orientation, 13);

    GameClient().CurrentLocation = gate;
    GameClient().RefreshExitButtons();
    EXPECT_EQ(Form().Control("BtnN").Tag, 1002);
    EXPECT_TRUE(Form().Control("BtnDOWN").Enabled);
    EXPECT_FALSE(Form().Control("BtnS").Enabled);  // its exit leads nowhere
    EXPECT_FALSE(Form().Control("BtnW").Enabled);
}

TEST_F(LocationTest, MissingThingsAreNotKept)
{
    Queue("expect-box Item not found.\nanswer ok\nexpect-box Creature not found.\nanswer ok");
    TLocation* street = Manager().GetLocation(1002);
    ASSERT_NE(street, nullptr);
    for (const auto& item : street->Items)
        EXPECT_EQ(item, nullptr);
    EXPECT_TRUE(street->Corpses.empty());
    // The stale body row is gone; the item row stays for the adventure's author to mend.
    EXPECT_EQ(Rows("loc_id = 1002 and ctype = 10"), "0");
    EXPECT_EQ(Rows("loc_id = 1002 and ctype = 5"), "1");

    Queue("expect-box The adventure has no location 5000.\nanswer ok");
    EXPECT_EQ(Manager().GetLocation(5000), nullptr);
    for (const auto& location : Manager().Pool())
        EXPECT_NE(location->Id, 5000);
}

TEST_F(LocationTest, ContentsSummary)
{
    TLocation here;
    here.Id = 1;
    GameClient().CurrentLocation = &here;
    here.ShowContents();
    EXPECT_EQ(Screen(), "");

    here.AddItem(NamedItem("Lantern", 1));
    here.AddItem(NamedItem("Rope", 2));
    here.AddItem(NamedItem("Chalk", 3));
    auto body = std::make_unique<TEnemy>();
    body->Name = "Rat";
    here.AddCorpse(std::move(body));
    auto wolf = std::make_unique<TEnemy>();
    wolf->Name = "Wolf";
    wolf->end = 5;
    here.AddCreature(std::move(wolf));
    here.Exits = {{"north gate", 2, 1}, {"nowhere", 0, 3}, {"side alley", 3, 2}};
    here.ShowContents();
    EXPECT_EQ(Screen(), "Misc: Lantern,Rope,Chalk\nDead: Rat\nExits: north gate, side alley\n");
    const auto& first = Form().RichEdit1.Paragraphs()[0].Runs;
    EXPECT_EQ(first[0].Font.Color, 0xFFEDADu);
    EXPECT_EQ(first[1].Font.Color, clWhite);
}

TEST_F(LocationTest, ArrivalTexts)
{
    TLocation* gate = Manager().GetLocation(1001);
    gate->ShowArrivalText();
    EXPECT_EQ(Screen(), "Smoke rises from the gate.\n");
    gate->Visited = true;
    gate->ShowArrivalText();
    EXPECT_EQ(Screen(), "Smoke rises from the gate.\nPlace 1\nBrief 1\n");
    EXPECT_TRUE(Form().RichEdit1.Paragraphs()[1].Runs[0].Font.Bold);
    gate->Brief.clear();
    gate->ShowArrivalText();
    EXPECT_EQ(Screen(), "Smoke rises from the gate.\nPlace 1\nBrief 1\nPlace 1\nThe gate.\n");
}

TEST_F(LocationTest, ThePoolReusesALocationAndItsThingsComeBack)
{
    TLocation* gate = Manager().GetLocation(1001);
    gate->Creatures[0]->end = 2;
    for (auto& item : gate->Items)
        if (item && item->Container)
            item->Container->Gold = 40;
    Queue("answer ok\nanswer ok");  // the street's missing things
    for (int id = 1002; id <= 1035; ++id)
        Manager().GetLocation(id);
    Process().Random.Force({0});
    TLocation* reused = Manager().GetLocation(1036);
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(Manager().LoadedLocation(1001), nullptr);
    EXPECT_EQ(Value("select cendurance from creatures where id = 30102"), "2");

    TLocation* again = Manager().GetLocation(1001);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Creatures[0]->end, 2);
    int gold = 0;
    for (auto& item : again->Items)
        if (item && item->Container)
            gold = item->Container->Gold;
    EXPECT_EQ(gold, 40);
}

TEST_F(LocationTest, RevealHideAndExits)
{
    TLocation* gate = Manager().GetLocation(1001);
    Manager().RevealContent(ctNpc, 40001);
    Manager().RevealContent(ctNpc, 40001);
    int npcs = 0;
    for (const auto& npc : gate->Npcs)
        npcs += npc != nullptr;
    EXPECT_EQ(npcs, 1);
    EXPECT_EQ(gate->Npcs[0]->Name, "Innkeeper");

    Manager().HideContent(ctCreature, 30102);
    EXPECT_EQ(gate->Creatures[0], nullptr);
    EXPECT_EQ(Rows("cont_id = 30102 and visible = 0"), "1");
    Manager().HideContent(ctItem, 1);
    EXPECT_EQ(gate->Items[0], nullptr);

    GameClient().CurrentLocation = gate;
    Manager().SetExitVisible(1001, 1003, false);
    ASSERT_EQ(gate->Exits.size(), 4u);
    EXPECT_EQ(gate->Exits[0].Name, "north gate");
    EXPECT_EQ(gate->Exits[1].Name, "trapdoor");
    EXPECT_EQ(gate->Exits[1].Orientation, 10);
    EXPECT_FALSE(Form().Control("BtnE").Enabled);
    Manager().SetExitVisible(1001, 1003, true);
    Manager().SetExitVisible(1001, 1003, true);
    ASSERT_EQ(gate->Exits.size(), 5u);
    EXPECT_EQ(gate->Exits[4].Name, "side alley");
    EXPECT_EQ(Form().Control("BtnE").Tag, 1003);
}

TEST_F(LocationTest, PlacingAndSpawning)
{
    auto hero = std::make_unique<TPlayer>();
    hero->end = 10;
    hero->Id = 50001;
    Manager().PlaceEntity(hero.get(), 1001, true);
    EXPECT_EQ(hero->PlacementId, -1);
    EXPECT_EQ(Rows("cont_id = 50001"), "0");
    hero->end = 0;
    Manager().PlaceEntity(hero.get(), 1001, true);
    EXPECT_EQ(Rows("cont_id = 50001 and ctype = 11"), "1");

    Manager().Spawn(8, ctCreature, 3, 1040);
    EXPECT_EQ(Rows("loc_id = 1040 and ctype = 20"), "3");
    EXPECT_EQ(Manager().LoadedLocation(1040), nullptr);
    TLocation* den = Manager().GetLocation(1040);
    int wolves = 0;
    for (const auto& creature : den->Creatures)
        wolves += creature && creature->Name == "Wolf";
    EXPECT_EQ(wolves, 3);

    Manager().Spawn(2, ctItem, 2, 1040);
    EXPECT_NE(den->Items[0], nullptr);
    EXPECT_NE(den->Items[1], nullptr);
    Manager().Spawn(2, 7, 2, 1040);
    EXPECT_EQ(Rows("loc_id = 1040 and ctype = 5"), "2");
}

TEST_F(LocationTest, CreaturesCalledIntoAFightJoinIt)
{
    TLocation* here = Manager().GetLocation(1001);
    GameClient().CurrentLocation = here;
    auto hero = std::make_unique<TPlayer>();
    hero->Name = "Aldric";
    hero->Id = 50001;
    hero->end_max = hero->end = 50;
    GameClient().AddPartyMember(hero, 1);
    // The Rat King, half hurt, calls two of its court on its first turn.
    auto king = std::make_unique<TEnemy>();
    king->Name = "The Rat King";
    king->Id = 30200;
    king->ScriptId = 500127;
    king->end_max = 24;
    king->end = 12;
    king->AttackMod[0] = -100;
    king->MissMessage = "The Rat King lunges at ??:MISSED";
    here->AddCreature(std::move(king));
    Form().CombatSession = TCombatSession::Create(false);
    TCombatSession& fight = *Form().CombatSession;
    fight.Start();
    TestHost.Advance(1000);
    std::vector<const TEnemy*> court;
    for (const auto& creature : here->Creatures)
        if (creature && creature->Name == "Cellar Rat")
            court.push_back(creature.get());
    ASSERT_EQ(court.size(), 2u) << Screen();
    ASSERT_GE(fight.Enemies.size(), here->Creatures.size());
    for (size_t place = 0; place < here->Creatures.size(); ++place)
        EXPECT_EQ(fight.Enemies[place].Enemy, here->Creatures[place].get()) << place;
    EXPECT_EQ(Rows("loc_id = 1001 and ctype = 20 and cont_id <> 30102"), "2");
    // Placed after the king, the newcomers act in the same tick, at once.
    const std::string first = Screen();
    EXPECT_NE(first.find("Cellar Rat attacks Aldric", first.find("shrieks")), std::string::npos) << first;
    // The king calls its court once.
    TestHost.Advance(1000);
    EXPECT_EQ(Screen().find("shrieks", first.size()), std::string::npos) << Screen();
}

TEST_F(LocationTest, StrippingABodyDropsWhatItCarried)
{
    TLocation* gate = Manager().GetLocation(1001);
    TCreature& rat = *gate->Corpses[0];
    auto rope = NamedItem("Rope", 2);
    rope->TemplateId = 2;
    rat.PutInBackpack(rope, 3);
    Manager().StripBody(30101);
    EXPECT_EQ(gate->Corpses[0], nullptr);
    bool dropped = false;
    for (const auto& item : gate->Items)
        dropped = dropped || (item && item->Name == "Rope" && item->PlacementId > 0);
    EXPECT_TRUE(dropped);
}

TEST_F(LocationTest, ChooseCreatureFindsThePickAgainById)
{
    TLocation* gate = Manager().GetLocation(1001);
    GameClient().CurrentLocation = gate;
    Form().Party[0] = std::make_unique<TPlayer>();
    Form().Party[0]->Name = "Aldric";
    Form().Party[0]->Id = 50001;
    Queue("expect-control LblChoice2 caption 2. Wolf\nexpect-control LblChoice3 caption 3. Aldric\nchoose 3");
    EXPECT_EQ(GameClient().ChooseCreature(true, true, false), Form().Member(1));
    Queue("choose 1");
    EXPECT_EQ(GameClient().ChooseCreature(true, true, true), nullptr);
    GameClient().CurrentLocation = nullptr;
    EXPECT_EQ(GameClient().ChooseCreature(true, true, true), nullptr);
}

TEST_F(LocationTest, NoEffectOutlivesTheCreatureItTargets)
{
    Form().EffectsManager = std::make_unique<TEffectsManager>();
    struct Case {
        const char* path;
        bool body;
        std::function<void(TLocation&, int64_t)> free;
    };
    const Case cases[] = {
        {"a body removed", true, [](TLocation& here, int64_t id) { here.RemoveCorpse(id); }},
        {"a body stripped", true, [this](TLocation&, int64_t id) { Manager().StripBody(id); }},
        {"a creature leaving", false, [](TLocation& here, int64_t id) { here.RemoveCreature(id); }},
        {"the place unloaded", false, [](TLocation& here, int64_t) { here.Unload(); }},
    };
    int64_t id = 30200;
    for (const Case& c : cases) {
        TLocation* gate = Manager().GetLocation(1001);
        ASSERT_NE(gate, nullptr) << c.path;
        auto wolf = std::make_unique<TEnemy>();
        wolf->Id = ++id;
        wolf->end_max = wolf->end = 10;
        const TCreature* target = wolf.get();
        auto effect = std::make_unique<TEffectDamage>();
        effect->Target = wolf.get();
        Form().EffectsManager->Add(std::move(effect));
        if (c.body)
            gate->AddCorpse(std::move(wolf));
        else
            gate->AddCreature(std::move(wolf));

        c.free(*gate, id);
        for (const TEffect* left : LiveEffects())
            EXPECT_NE(left->Target, target) << c.path;
        // Looking for the creature's effects must not reach the freed creature.
        Form().EffectsManager->CancelFor(id);
        Form().EffectsManager->CancelDamageOfType(id, 0);
    }

    // A party member freed from its slot takes its effects along.
    Form().Party[0] = std::make_unique<TPlayer>();
    Form().Party[0]->end_max = Form().Party[0]->end = 10;
    auto effect = std::make_unique<TEffectMod>();
    effect->Target = Form().Party[0].get();
    Form().EffectsManager->Add(std::move(effect));
    ASSERT_EQ(LiveEffects().size(), 1u);
    Form().Party[0].reset();
    EXPECT_TRUE(LiveEffects().empty());
}

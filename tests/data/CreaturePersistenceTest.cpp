#include <gtest/gtest.h>

#include "data/Convert.h"
#include "rules/Creature.h"
#include "support/SessionFixture.h"

namespace {

const char* const Content = R"SQL(
insert into damage (id, dmg, dtype_id, duration, trigger, modifier) values (1, '1d4', 3, -1, -1, 0), (2, '2d6', 4, -1, -1, 1);
insert into weapon_types (id, launcher_id) values (8, 0), (10, 0);
insert into weapon_templates (id, name, type_id, damage_id, two_handed) values (8, 'Great Sword', 8, 2, 1),
                                                                               (10, 'Long Sword', 10, 2, 0);
insert into weapons (id, template_id) values (8, 8), (10, 10);
insert into item_templates (id, name, type_id, identified, charges, equipped_on, base_price)
  values (1, 'Rusty Helm', 16, 0, 0, 1, 3), (2, 'Copper Coin Pouch', 1, 1, 0, 0, 1), (3, 'Torch', 1, 1, 2, 100, 1);
insert into items (id, template_id) values (1, 1), (2, 2), (3, 3);
insert into modifiers values (1, 1, 'armor_melee', 2);
insert into creature_templates (id, name, type_id, endurance, end_max, mana, mana_max, gold, level, xp_award,
                                ab_str, ab_dex, ab_const, res_fire, attack_roll, delay, attack_type, armor_melee, damage_id)
  values (7, 'Goblin Raider', 3, 9, 12, 0, 0, 4, 2, 60, 16, 12, 10, 10, 2, 5, 1, 1, 1);
insert into creatures (id, template_id) values (7, 7), (30101, 7), (30102, 7);
insert into creature_contents values (7, 1, 1, 101), (7, 8, 2, 108), (7, 8, 2, 109), (7, 2, 1, 1), (7, 3, 1, 6),
                                     (7, 3, 1, 201), (7, 2, 1, 300);
insert into extended_data values (3, 7, 'AtkMsg', 'The goblin slashes!|The goblin stumbles.');
insert into races (name, dmg, dtype_id, duration, trigger) values ('Dwarf', '1d3', 3, -1, -1);
insert into container_templates (id, name, max_contents, open, locked) values (20001, 'Satchel', 3, 1, 0);
)SQL";

class CreaturePersistenceTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
    }

    std::string Count(const std::string& where)
    {
        return Value("select count(*) from " + where);
    }

    std::unique_ptr<TPlayer> FullyEquippedPlayer()
    {
        auto player = std::make_unique<TPlayer>();
        player->Id = 50001;
        player->Name = "Brenna O'Hara";
        player->race_name = "Dwarf";
        player->male = false;
        player->end_max = 40;
        player->end = 31;
        player->mana_max = 12;
        player->mana = 5;
        player->ClassId = 3;
        player->level = 4;
        player->next_level = 8000;
        player->experience = 5100;
        player->Abilities = {17, 14, 9, 11, 15};
        player->Resistances = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int mastery = 0; mastery < MasteryCount; ++mastery)
            player->Mastery[mastery] = static_cast<uint8_t>(mastery % 8);
        player->attack_roll = 2;
        player->delay = 6;
        player->AttackMod = {1, 2, 3, 4};
        player->DamageMod = {-1, 0, 1, 2};
        player->Armor = {5, 6, 7, -2};
        player->Base.end_max = 38;
        player->Base.Armor = {0, 0, 0, -2};
        player->Base.attack_roll = 2;
        player->States.set(StateUnableToAct);
        player->States.set(60);
        player->Skills = {{"Left Hand Fighting", 2, ""}, {"Ember Sense", 1, "ember_sense.js"}};
        auto sword = std::make_unique<TWeapon>();
        Data().LoadWeapon(8, sword.get(), false);
        player->SetBodySlot(std::move(sword), bsRHand);
        player->HoldInBothHands();
        auto helm = std::make_unique<TItem>();
        Data().LoadItem(1, helm.get(), false);
        player->SetBodySlot(std::move(helm), bsHead);
        std::unique_ptr<TItem> satchel = std::make_unique<TItem>();
        Data().LoadContainer(20001, satchel.get());
        satchel->Container->Gold = 12;
        player->PutInBackpack(satchel, 15);
        std::unique_ptr<TItem> torch = std::make_unique<TItem>();
        Data().LoadItem(3, torch.get(), false);
        player->PutInQuickSlot(torch, 2);
        return player;
    }
};

} // namespace

TEST_F(CreaturePersistenceTest, ACreatureCopiesItsTemplatesThingsOnlyAtItsFirstLoad)
{
    TEnemy first;
    Data().LoadCreature(30101, &first);
    EXPECT_EQ(first.Name, "Goblin Raider");
    // Constitution 10 adds 15 to the maximum; a fresh creature keeps its share.
    EXPECT_EQ(first.end_max, 27);
    EXPECT_EQ(first.end, 20);
    EXPECT_EQ(first.Gold, 4);
    EXPECT_EQ(first.experience, 60);
    EXPECT_EQ(first.type_id, 3);
    // Armour comes from the row, the helm's included or not: the columns overwrite.
    EXPECT_EQ(first.Armor[0], 1 + 2);
    EXPECT_EQ(first.HitMessage, "The goblin slashes!");
    EXPECT_EQ(first.MissMessage, "The goblin stumbles.");
    EXPECT_EQ(first.NaturalDamage.DieSize, 4);
    // One great sword in both hands, from the two rows.
    ASSERT_NE(first.HeldInBodySlot(bsRHand), nullptr);
    EXPECT_EQ(first.HeldInBodySlot(bsRHand), first.HeldInBodySlot(bsLHand));
    EXPECT_EQ(first.BodyItem(bsHead)->Name, "Helmet(NOT IDENTIFIED)");
    EXPECT_EQ(Value("select cinitialized from creatures where id = 30101"), "1");
    // The unidentified helm and the charged torches needed copies of their own;
    // the row of place 300 is no place at all and the second sword row adds nothing.
    EXPECT_EQ(Count("creature_contents where creature_id = 30101"), "5");
    EXPECT_NE(first.BodyItem(bsHead)->Id, 1);
    const int64_t helmId = first.BodyItem(bsHead)->Id;

    TEnemy second;
    Data().LoadCreature(30102, &second);
    EXPECT_NE(second.BodyItem(bsHead)->Id, helmId);
    EXPECT_EQ(Count("creature_contents where creature_id = 30102"), "5");

    // Loaded again, each reads its own rows and copies nothing.
    const std::string items = Count("items");
    TEnemy again;
    Data().LoadCreature(30101, &again);
    EXPECT_EQ(again.BodyItem(bsHead)->Id, helmId);
    EXPECT_EQ(Count("items"), items);
    EXPECT_EQ(Count("creature_contents where creature_id = 30101"), "5");

    // The template's base creature records nothing under its own id.
    TEnemy base;
    Data().LoadCreature(7, &base);
    EXPECT_EQ(Count("creature_contents where creature_id = 7"), "7");
    EXPECT_EQ(Value("select cinitialized from creatures where id = 7"), "0");
}

TEST_F(CreaturePersistenceTest, AFirstLoadThatFailsOnADamagedThingCopiesNothing)
{
    const std::string items = Count("items");
    // The helm is copied before the torch, whose damaged row stops the load.
    Db().Execute("update item_templates set base_price = 'cheap' where id = 3");
    TEnemy raider;
    EXPECT_THROW(Data().LoadCreature(30101, &raider), EConvertError);
    EXPECT_EQ(Db().Depth(), 0);
    EXPECT_EQ(Count("items"), items);
    EXPECT_EQ(Count("creature_contents where creature_id = 30101"), "0");
    EXPECT_EQ(Value("select cinitialized from creatures where id = 30101"), "0");

    // Once repaired, the first load copies as it always does.
    Db().Execute("update item_templates set base_price = 1 where id = 3");
    TEnemy repaired;
    Data().LoadCreature(30101, &repaired);
    EXPECT_EQ(Count("creature_contents where creature_id = 30101"), "5");
}

TEST_F(CreaturePersistenceTest, SavingACreatureKeepsItsFirstFourBackpackPlaces)
{
    TEnemy goblin;
    Data().LoadCreature(30101, &goblin);
    goblin.end = 3;
    goblin.Gold = 9;
    Data().SaveCreature(&goblin);
    EXPECT_EQ(Value("select cendurance from creatures where id = 30101"), "3");
    EXPECT_EQ(Value("select cgold from creatures where id = 30101"), "9");
    // Backpack 1 and 6 held things: only the first is kept. The sword is written twice.
    EXPECT_EQ(Count("creature_contents where creature_id = 30101 and body_part_id = 1"), "1");
    EXPECT_EQ(Count("creature_contents where creature_id = 30101 and body_part_id = 6"), "0");
    EXPECT_EQ(Count("creature_contents where creature_id = 30101 and body_part_id in (108, 109)"), "2");

    TEnemy reloaded;
    Data().LoadCreature(30101, &reloaded);
    EXPECT_EQ(reloaded.end, 3);
    EXPECT_EQ(reloaded.end_max, 27);
    EXPECT_EQ(reloaded.BackpackItem(6), &EmptyItem());
    EXPECT_EQ(reloaded.HeldInBodySlot(bsRHand), reloaded.HeldInBodySlot(bsLHand));

    // The base creature is never written.
    TEnemy base;
    Data().LoadCreature(7, &base);
    base.Gold = 1000;
    Data().SaveCreature(&base);
    EXPECT_EQ(Value("select cgold from creatures where id = 7"), "4");
}

TEST_F(CreaturePersistenceTest, APlayerRoundTripsEveryColumn)
{
    GameClient().PartyGold = 321;
    auto player = FullyEquippedPlayer();
    Data().SavePlayer(player.get(), 2);
    EXPECT_EQ(Value("select male from players where id = 50001"), "0");
    EXPECT_EQ(Value("select gold from players where id = 50001"), "321");
    EXPECT_EQ(Count("player_contents where player_id = 50001 and body_part_id in (108, 109)"), "2");
    EXPECT_EQ(Count("container_contents where container_id = 20001 and type = 4 and content_id = 12"), "1");
    Db().Execute("select * from players where id = 50001", true);
    const TStringHash saved = *Db().Rows[0];

    GameClient().PartyGold = 0;
    TPlayer loaded;
    Data().LoadPlayer(&loaded, 50001);
    EXPECT_EQ(GameClient().PartyGold, 321);
    EXPECT_EQ(loaded.Name, "Brenna O'Hara");
    EXPECT_FALSE(loaded.male);
    EXPECT_EQ(loaded.TemplateId, -1);
    EXPECT_EQ(loaded.NaturalDamage.DieSize, 3);
    EXPECT_EQ(loaded.HeldInBodySlot(bsRHand), loaded.HeldInBodySlot(bsLHand));
    EXPECT_TRUE(loaded.TwoHandedInBothHands);
    EXPECT_EQ(loaded.BackpackItem(15)->Container->Gold, 12);
    EXPECT_EQ(loaded.QuickItem(2)->Name, "Torch(2)");
    EXPECT_TRUE(loaded.States.test(StateUnableToAct) && loaded.States.test(60));
    ASSERT_EQ(loaded.Skills.size(), 2u);
    EXPECT_EQ(loaded.Skills[1].skill_script, "ember_sense.js");
    EXPECT_EQ(loaded.SkillValue("SK_LHAND"), 2);

    // Saved again, the row is the same in every column.
    Data().SavePlayer(&loaded, 2);
    Db().Execute("select * from players where id = 50001", true);
    const TStringHash& again = *Db().Rows[0];
    for (const char* column : PlayerColumns)
        EXPECT_EQ(again.GetItem(column), saved.GetItem(column)) << column;
    EXPECT_EQ(Count("player_state where player_id = 50001"), "2");
    EXPECT_EQ(Count("player_contents where player_id = 50001"), "5");
}

TEST_F(CreaturePersistenceTest, MissingRowsAndWaitingMembers)
{
    TPlayer nobody;
    nobody.Id = 5;
    Data().LoadPlayer(&nobody, 999);
    EXPECT_EQ(nobody.Id, 0);

    TPlayer unknownRace;
    unknownRace.Id = 50002;
    unknownRace.race_name = "Nobody's Kin";
    Data().SavePlayer(&unknownRace, 0);
    TPlayer loaded;
    Data().LoadPlayer(&loaded, 50002);
    EXPECT_EQ(loaded.race_name, "Nobody's Kin");
    EXPECT_EQ(loaded.NaturalDamage.DieSize, 0);

    TEntity waiting;
    Data().LoadPlayerAsNpc(50002, &waiting);
    EXPECT_EQ(waiting.ScriptId, 100);
    EXPECT_EQ(waiting.TemplateId, 50002);
    Data().LoadPlayerAsNpc(404, &waiting);
    EXPECT_EQ(waiting.Name, "");

    Db().Execute("insert into npc_templates (id, name, script_id, desc_id) values (1, 'Mayor Aldous', 500128, 5)");
    Db().Execute("insert into npcs values (40001, 1)");
    TEntity mayor;
    Data().LoadNpc(40001, &mayor);
    EXPECT_EQ(mayor.Name, "Mayor Aldous");
    EXPECT_EQ(mayor.ScriptId, 500128);
    Queue("expect-box NPC not found.\nanswer ok\nexpect-box Creature not found.\nanswer ok");
    Data().LoadNpc(404, &mayor);
    EXPECT_EQ(mayor.Id, 0);
    TEnemy ghost;
    Data().LoadCreature(404, &ghost);
    EXPECT_EQ(ghost.Id, 0);
}

TEST_F(CreaturePersistenceTest, AttackMessageWithoutABarSetsOnlyTheHit)
{
    Db().Execute("update extended_data set value = 'Strikes' where name = 'AtkMsg'");
    TEnemy goblin;
    Data().LoadCreature(30101, &goblin);
    EXPECT_EQ(goblin.HitMessage, "Strikes");
    EXPECT_EQ(goblin.MissMessage, "Goblin Raider attacks ??:MISSED");
}

TEST_F(CreaturePersistenceTest, AFailedFirstLoadLeavesTheConnectionAndTheRowsAsTheyWere)
{
    // The torches are read after the helm has been copied.
    Db().Execute("update item_templates set charges = 'many' where id = 3");
    const std::string items = Count("items");
    for (int attempt = 0; attempt < 2; ++attempt) {
        TEnemy goblin;
        EXPECT_THROW(Data().LoadCreature(30101, &goblin), EConvertError);
        EXPECT_EQ(Db().Depth(), 0);
        EXPECT_EQ(Count("items"), items) << "attempt " << attempt;
        EXPECT_EQ(Count("creature_contents where creature_id = 30101"), "0");
        EXPECT_EQ(Value("select cinitialized from creatures where id = 30101"), "0");
    }

    // Later writes are committed, so another connection sees them.
    Db().Execute("update item_templates set charges = 2 where id = 3");
    TEnemy goblin;
    Data().LoadCreature(30101, &goblin);
    goblin.Gold = 77;
    Data().SaveCreature(&goblin);
    TSQLite3 other;
    ASSERT_EQ(other.Open(Folder->Game() + "/temp.db"), 0);
    const TRecordSet rows = other.Query("select cgold from creatures where id = 30101");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->GetItem("cgold"), "77");
}

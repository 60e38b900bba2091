#include <gtest/gtest.h>

#include <functional>

#include "data/Convert.h"
#include "rules/Attributes.h"
#include "rules/Item.h"
#include "support/SessionFixture.h"

namespace {

const char* const Content = R"SQL(
insert into item_templates (id, name, type_id, identified, charges, destroy_after_use, equipped_on, special_uses,
                            used_if_on, req_str, base_price)
  values (1, 'Lamp', 1, 1, 3, 0, 100, 0, 0, 0, 5),
         (2, 'Healing Draught', 5, 1, 0, 0, 100, 0, 0, 0, 10),
         (3, 'Amber Ring', 13, 0, 0, 0, 10, 1, 1, 8, 40),
         (4, 'Book of Embers', 2, 1, 0, 0, 0, 0, 0, 0, 60),
         (5, 'Scroll of Sparks', 3, 1, 1, 1, 100, 1, 0, 0, 15);
insert into items (id, template_id) values (1, 1), (2, 2), (3, 3), (4, 4), (5, 5), (21001, 1), (21002, 3), (21003, 4);
insert into item_usable_by values (3, 2), (3, 200);
insert into modifiers values (1, 3, 'ab_str', 2), (1, 3, 'armor_wizard', 5), (1, 3, 'armor_wiz', 3),
                             (1, 3, 'ab_str', 4), (3, 7, 'res_fire', 25), (4, 11, 'mana_max', 6);
insert into extended_data values (1, 3, 'NotIdentifiedName', 'Dull Ring'), (1, 3, 'RechargePrice', 'cheap'),
                                 (1, 1, 'Action', 'Light'), (1, 1, 'RechargePrice', '4');
insert into special_uses (id, name, duration, attack_type, damage_id, offensive) values (7, 'Warding', 5, 4, 0, 0);
insert into item_special_uses values (3, 7);
insert into spells (id, name, duration, attack_type, damage_id, offensive, req_mana, req_mind, req_faith, spell_type_id)
  values (11, 'Ember Bolt', -1, 3, 12, 1, 4, 10, 0, 1), (12, 'Kindle', -1, 3, 0, 0, 2, 5, 0, 1);
insert into item_spells values (4, 11), (21003, 12), (5, 12);
insert into damage (id, dmg, dtype_id, duration, trigger, modifier)
  values (12, '2d6', 5, -1, -1, 1), (13, '3-7', 3, -1, -1, 0), (14, '5', 12, -1, -1, 0), (15, '2d', 1, 0, 0, 0),
         (16, '1|5|9', 9, 3, 1, 0);
insert into weapon_types (id, launcher_id) values (2, 0), (10, 0), (17, 2);
insert into weapon_templates (id, name, type_id, identified, charges, weapon_uses, damage_id, two_handed, missile)
  values (8, 'Long Sword', 10, 1, 0, 0, 13, 0, 0), (9, 'Arrow', 17, 0, 0, 20, 14, 0, 1),
         (10, 'Odd Blade', 99, 1, 0, 0, 999, 1, 0);
insert into weapons (id, template_id) values (8, 8), (9, 9), (10, 10), (22001, 9);
insert into weapon_ad_dam values (8, 16), (8, 15);
insert into container_templates (id, name, max_contents, open, locked) values (20001, 'Strongbox', 2, 0, 1),
                                                                              (20002, 'Russian Doll', 3, 1, 0);
insert into container_contents values (20001, 4, 75), (20001, 1, 21001), (20001, 1, 2), (20001, 1, 1),
                                      (20002, 3, 20002), (20002, 2, 8);
insert into container_item_types values (20001, 5), (20001, 300);
insert into container_weapon_types values (20001, 17);
)SQL";

class ObjectLoadersTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure(Content);
    }
};

} // namespace

TEST_F(ObjectLoadersTest, ItemFields)
{
    TItem ring;
    Data().LoadItem(21002, &ring, false);
    EXPECT_EQ(ring.Id, 21002);
    EXPECT_EQ(ring.TemplateId, 3);
    EXPECT_EQ(ring.RealName, "Amber Ring");
    EXPECT_FALSE(ring.Identified);
    EXPECT_EQ(ItemDisplayName(&ring), "Dull Ring");
    EXPECT_EQ(ring.RechargePrice, 0);  // not a number: the lenient default
    EXPECT_TRUE(ring.EquipSlots.test(bsRRing) && ring.EquipSlots.test(bsLRing));
    EXPECT_EQ(ring.EquipSlots.count(), 2u);
    EXPECT_TRUE(ring.UsableBy.test(0) && ring.UsableBy.test(2));
    EXPECT_EQ(ring.UsableBy.count(), 2u);
    // The later row of a name wins; a name that is no modifier is ignored.
    EXPECT_EQ(ring.Abilities[0], 4);
    EXPECT_EQ(ring.Armor[2], 3);
    EXPECT_EQ(ring.req_str, 8);
    ASSERT_EQ(ring.SpecialUses.size(), 1u);
    const TSpecialItem& warding = *ring.SpecialUses[0];
    EXPECT_EQ(warding.Name, "Warding");
    EXPECT_EQ(warding.AttackClass, 3);
    EXPECT_EQ(warding.Resistances[4], 25);
    EXPECT_EQ(warding.Damage, nullptr);

    TItem lamp;
    Data().LoadItem(21001, &lamp, false);
    EXPECT_EQ(lamp.Name, "Lamp(3)");
    EXPECT_EQ(lamp.Action, "Light");
    EXPECT_EQ(lamp.RechargePrice, 4);
    EXPECT_TRUE(lamp.EquipSlots.test(QuickUseBit));
    EXPECT_TRUE(Db().ErrorLog.empty());
}

TEST_F(ObjectLoadersTest, RowsThatNameNoModifierAreNotRead)
{
    Db().Execute("insert into modifiers values (1, 3, 'armor_wizard', ''), (1, 3, 'editor_colour', 'amber'), "
                 "(2, 8, 'glow', 'faint')");
    TItem ring;
    Data().LoadItem(21002, &ring, false);
    EXPECT_EQ(ring.Abilities[0], 4);
    EXPECT_EQ(ring.Armor[2], 3);
    TWeapon sword;
    Data().LoadWeapon(8, &sword, false);
    EXPECT_EQ(sword.Id, 8);

    // A known name still needs a number.
    Db().Execute("insert into modifiers values (1, 3, 'armor_wiz', 'high')");
    EXPECT_THROW(Data().LoadItem(21002, &ring, false), EConvertError);
}

TEST_F(ObjectLoadersTest, DuplicatesGetRowsOfTheirOwnOnlyWhenTheyKeepState)
{
    TItem first;
    TItem second;
    Data().LoadItem(21001, &first, true);
    Data().LoadItem(21001, &second, true);
    EXPECT_NE(first.Id, second.Id);
    EXPECT_NE(first.Id, 21001);
    EXPECT_EQ(Value("select template_id from items where id = " + std::to_string(first.Id)), "1");
    EXPECT_EQ(Value("select ccharges from items where id = " + std::to_string(second.Id)), "3");

    TItem potion;
    TItem again;
    Data().LoadItem(2, &potion, true);
    Data().LoadItem(2, &again, true);
    EXPECT_EQ(potion.Id, 2);
    EXPECT_EQ(again.Id, 2);

    // A base row that is missing: the loaded row is copied instead.
    Db().Execute("delete from items where id = 1");
    TItem orphan;
    Data().LoadItem(21001, &orphan, true);
    EXPECT_EQ(Value("select template_id from items where id = " + std::to_string(orphan.Id)), "1");

    EXPECT_EQ(Data().DuplicateObject(7, 1), 0);
    // Nothing to copy at all: no id that names no row.
    EXPECT_EQ(Data().DuplicateObject(okItem, 999999), 0);
}

TEST_F(ObjectLoadersTest, BuiltInItemsNeverTouchTheDatabase)
{
    Process().SessionDb = std::make_unique<TSQLite3>();  // no tables at all
    Process().SessionDb->Open(":memory:");
    Process().SessionDb->LogErrors = true;
    struct Case {
        int64_t id;
        const char* name;
        bool offensive;
        int dieCount;
        int type;
    };
    for (const Case& c : {Case{100, "Healing Potion", false, 0, 1}, Case{101, "Healing Potion", false, 1, 8},
                          Case{102, "Burning Oil", true, 2, 4}}) {
        TItem item;
        Data().LoadItem(c.id, &item, true);
        EXPECT_EQ(item.Id, c.id);
        EXPECT_EQ(item.TemplateId, c.id);
        EXPECT_EQ(ItemDisplayName(&item), c.name);
        EXPECT_TRUE(item.UsableBy.all());
        ASSERT_EQ(item.SpecialUses.size(), 1u);
        const TSpecialItem& use = *item.SpecialUses[0];
        EXPECT_EQ(use.offensive, c.offensive);
        EXPECT_EQ(use.apply_to_user, !c.offensive);
        if (c.id == 100) {
            EXPECT_EQ(use.end, 9);
            EXPECT_EQ(use.Damage, nullptr);
        } else {
            ASSERT_NE(use.Damage, nullptr);
            EXPECT_EQ(use.Damage->DiceCount, c.dieCount);
            EXPECT_EQ(use.Damage->DamageType, c.type);
        }
    }
    EXPECT_TRUE(Process().SessionDb->ErrorLog.empty());
}

TEST_F(ObjectLoadersTest, SpellbooksAndScrolls)
{
    TItem book;
    Data().LoadItem(21003, &book, false);
    ASSERT_EQ(book.SpecialUses.size(), 2u);
    EXPECT_EQ(book.special_uses, 2);
    const auto* bolt = dynamic_cast<TSpell*>(book.SpecialUses[0].get());
    ASSERT_NE(bolt, nullptr);
    EXPECT_EQ(bolt->Name, "Ember Bolt");
    EXPECT_EQ(bolt->req_mana, 4);
    EXPECT_EQ(bolt->mana_max, 6);
    ASSERT_NE(bolt->Damage, nullptr);
    EXPECT_EQ(bolt->Damage->DamageType, 4);
    EXPECT_EQ(book.SpecialUses[1]->Name, "Kindle");

    TItem scroll;
    Data().LoadItem(5, &scroll, false);
    ASSERT_EQ(scroll.SpecialUses.size(), 1u);
    EXPECT_EQ(scroll.SpecialUses[0]->Name, "Kindle");

    TSpell spell;
    Data().LoadSpell(11, &spell);
    EXPECT_EQ(spell.Id, 11);
    Data().LoadSpell(99, &spell);
    EXPECT_EQ(spell.Id, 0);
    Data().AddSpellToItem(11, 21003);
    EXPECT_EQ(Value("select count(*) from item_spells where item_id = 21003"), "2");
}

TEST_F(ObjectLoadersTest, Weapons)
{
    TWeapon sword;
    Data().LoadWeapon(8, &sword, false);
    EXPECT_EQ(sword.WeaponType, 9);
    EXPECT_TRUE(sword.EquipSlots.test(bsRHand) && sword.EquipSlots.test(bsLHand));
    EXPECT_EQ(sword.Damage->Form, dfRange);
    EXPECT_EQ(sword.Damage->Values, (std::vector<int32_t>{3, 7}));
    ASSERT_EQ(sword.ExtraDamages.size(), 2u);
    EXPECT_EQ(sword.ExtraDamages[0]->Values, (std::vector<int32_t>{1, 5, 9}));
    EXPECT_EQ(sword.ExtraDamages[0]->DamageType, 8);
    EXPECT_EQ(sword.ExtraDamages[1]->DiceCount, 2);
    EXPECT_EQ(sword.ExtraDamages[1]->DieSize, 0);

    TWeapon arrows;
    Data().LoadWeapon(22001, &arrows, false);
    EXPECT_EQ(arrows.Name, "Arrow[20]");
    EXPECT_EQ(ItemDisplayName(&arrows), "Arrow[20](NOT IDENTIFIED)");
    EXPECT_EQ(arrows.EquipSlots.count(), 1u);
    EXPECT_TRUE(arrows.EquipSlots.test(QuickUseBit));
    // dtype 12 is no damage type: the damage keeps its first type.
    EXPECT_EQ(arrows.Damage->DamageType, 1);
    EXPECT_EQ(arrows.Damage->Values, std::vector<int32_t>{5});

    // Counted ammunition always gets a row of its own.
    TWeapon stack;
    Data().LoadWeapon(22001, &stack, true);
    EXPECT_NE(stack.Id, 22001);
    EXPECT_EQ(Value("select cweapon_uses from weapons where id = " + std::to_string(stack.Id)), "20");

    // No damage row and no weapon type row: a hand weapon without damage.
    TWeapon odd;
    Data().LoadWeapon(10, &odd, false);
    EXPECT_EQ(odd.Id, 10);
    EXPECT_EQ(odd.Damage->Id, 0);
    EXPECT_TRUE(odd.EquipSlots.test(bsRHand) && odd.EquipSlots.test(bsLHand));
}

TEST_F(ObjectLoadersTest, Containers)
{
    TItem box;
    Data().LoadContainer(20001, &box);
    ASSERT_NE(box.Container, nullptr);
    const TContRec& contents = *box.Container;
    ASSERT_EQ(contents.Contents.size(), 2u);
    EXPECT_EQ(contents.Contents[0]->Id, 21001);
    EXPECT_EQ(contents.Contents[1]->Id, 2);
    EXPECT_EQ(contents.Gold, 75);
    EXPECT_TRUE(contents.Locked);
    EXPECT_FALSE(contents.Open);
    EXPECT_TRUE(contents.ItemTypes.test(5));
    EXPECT_EQ(contents.ItemTypes.count(), 1u);
    EXPECT_TRUE(contents.WeaponTypes.test(17));
    EXPECT_TRUE(box.UsableBy.all());
    EXPECT_EQ(box.type_id, -1);
    EXPECT_EQ(GetAttribute(&box, 106), 4);

    // A container inside itself is read once.
    TItem doll;
    Data().LoadContainer(20002, &doll);
    ASSERT_NE(doll.Container, nullptr);
    ASSERT_NE(doll.Container->Contents[0], nullptr);
    EXPECT_EQ(doll.Container->Contents[0]->Name, "Long Sword");
    EXPECT_EQ(doll.Container->Contents[1], nullptr);
}

TEST_F(ObjectLoadersTest, MissingRowsAndBadValues)
{
    Queue("expect-box Item not found.\nanswer ok\n"
          "expect-box Weapon not found.\nanswer ok\n"
          "expect-box Container not found.\nanswer ok\n"
          "expect-box Error while reading item data.\nanswer ok");
    TItem item;
    Data().LoadItem(404, &item, false);
    EXPECT_EQ(item.Id, 0);
    TWeapon weapon;
    Data().LoadWeapon(404, &weapon, false);
    EXPECT_EQ(weapon.Id, 0);
    TItem box;
    Data().LoadContainer(404, &box);
    EXPECT_EQ(box.Id, 0);
    Data().LoadItem(1, nullptr, false);

    Db().Execute("update item_templates set charges = 'many' where id = 1");
    EXPECT_THROW(Data().LoadItem(21001, &item, false), EConvertError);
    Db().Execute("alter table item_templates drop column req_const");
    EXPECT_THROW(Data().LoadItem(2, &item, false), EHashFindError);
}

TEST_F(ObjectLoadersTest, ACopyThatFailsOnADamagedColumnLeavesNoRowBehind)
{
    struct TCase {
        const char* Damage;
        std::function<void()> Load;
    };
    const TCase cases[] = {
        {"update item_templates set base_price = 'lots' where id = 1",
         [this] { TItem lamp; Data().LoadItem(21001, &lamp, true); }},
        {"update weapon_templates set type_id = 'x' where id = 9",
         [this] { TWeapon arrows; Data().LoadWeapon(22001, &arrows, true); }},
    };
    const auto objectRows = [this] {
        return Value("select (select count(*) from items) || '/' || (select count(*) from weapons) || '/' || "
                     "(select count(*) from item_id_gen)");
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Damage);
        const std::string before = objectRows();
        Db().Execute(test.Damage);
        EXPECT_THROW(test.Load(), EConvertError);
        EXPECT_EQ(Db().Depth(), 0);
        EXPECT_EQ(objectRows(), before);
    }
}

TEST_F(ObjectLoadersTest, AFailedContainerLoadDoesNotHideItFromLaterLoads)
{
    Db().Execute("insert into container_templates (id, name, max_contents, open, locked) values (20003, 'Pack', 2, 1, 0)");
    Db().Execute("insert into container_contents values (20003, 3, 20002), (20002, 1, 21001)");
    Db().Execute("update item_templates set charges = 'many' where id = 1");
    TItem doll;
    EXPECT_THROW(Data().LoadContainer(20002, &doll), EConvertError);

    Db().Execute("update item_templates set charges = 3 where id = 1");
    TItem pack;
    Data().LoadContainer(20003, &pack);
    ASSERT_NE(pack.Container, nullptr);
    ASSERT_NE(pack.Container->Contents[0], nullptr);
    EXPECT_EQ(pack.Container->Contents[0]->Name, "Russian Doll");
    Data().SaveContainer(pack.Container.get());
    EXPECT_EQ(Value("select count(*) from container_contents where container_id = 20003 and type = 3 and "
                    "content_id = 20002"),
              "1");
}

TEST_F(ObjectLoadersTest, DeleteObjectKeepsBaseRows)
{
    auto base = std::make_unique<TItem>();
    Data().LoadItem(1, base.get(), false);
    Data().DeleteObject(base);
    EXPECT_EQ(base, nullptr);
    EXPECT_EQ(Value("select count(*) from items where id = 1"), "1");

    std::unique_ptr<TItem> own = std::make_unique<TItem>();
    Data().LoadItem(21001, own.get(), true);
    const int64_t id = own->Id;
    Data().DeleteObject(own);
    EXPECT_EQ(Value("select count(*) from items where id = " + std::to_string(id)), "0");

    std::unique_ptr<TItem> arrows = std::make_unique<TWeapon>();
    Data().LoadWeapon(22001, static_cast<TWeapon*>(arrows.get()), true);
    const int64_t arrowId = arrows->Id;
    Data().DeleteObject(arrows);
    EXPECT_EQ(Value("select count(*) from weapons where id = " + std::to_string(arrowId)), "0");

    std::unique_ptr<TItem> builtIn = std::make_unique<TItem>();
    Data().LoadItem(100, builtIn.get(), false);
    Data().DeleteObject(builtIn);
    EXPECT_EQ(builtIn, nullptr);
}

TEST_F(ObjectLoadersTest, ShopQueriesHandTheRowsOver)
{
    Db().Execute("insert into shop_contents values (1015, 21001, 5, 3)");
    Db().Execute("insert into items_to_buy values (1015, 5)");
    Db().Execute("insert into weapons_to_buy values (1015, 10)");
    const TRecordSet goods = Data().GetShopContents(1015);
    ASSERT_EQ(goods.size(), 1u);
    EXPECT_EQ(goods[0]->GetItem("stack"), "3");
    EXPECT_EQ(Data().GetShopItemTypes(1015)[0]->GetItem("item_type_id"), "5");
    EXPECT_EQ(Data().GetShopWeaponTypes(1015)[0]->GetItem("weapon_type_id"), "10");
    EXPECT_TRUE(Data().GetShopContents(1).empty());
}

// Ids past 32 bits stay whole: a container cut to 32 bits would save its contents
// over those of the container that the cut id names.
TEST_F(ObjectLoadersTest, IdsBeyond32BitsStayWhole)
{
    const std::string big = "3000000000";
    const std::string cut = "-1294967296";  // big in 32 bits
    Process().SessionDb->Execute(
        "insert into container_templates (id, name, max_contents, open, locked) values (" + big + ", 'Vault', 2, 1, 0), (" +
        cut + ", 'Crate', 2, 1, 0);"
        "insert into items (id, template_id) values (3000000001, 1);"
        "insert into weapons (id, template_id) values (3000000002, 8);"
        "insert into container_contents values (" + big + ", 1, 3000000001), (" + big + ", 2, 3000000002), (" + cut +
        ", 1, 2);");
    TItem vault;
    Data().LoadContainer(3000000000, &vault);
    ASSERT_NE(vault.Container, nullptr);
    EXPECT_EQ(vault.Container->Id, 3000000000);
    ASSERT_NE(vault.Container->Contents[0], nullptr);
    EXPECT_EQ(vault.Container->Contents[0]->Id, 3000000001);
    ASSERT_NE(vault.Container->Contents[1], nullptr);
    EXPECT_EQ(vault.Container->Contents[1]->Id, 3000000002);
    Data().SaveContainer(vault.Container.get());
    EXPECT_EQ(Value("select group_concat(content_id) from container_contents where container_id = " + big),
              "3000000001,3000000002");
    EXPECT_EQ(Value("select group_concat(content_id) from container_contents where container_id = " + cut), "2");
}

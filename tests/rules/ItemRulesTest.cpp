#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/DataManager.h"
#include "rules/Damage.h"
#include "rules/Item.h"
#include "rules/Modifiers.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"

namespace {

std::unique_ptr<TItem> Unidentified(int32_t typeId)
{
    auto item = std::make_unique<TItem>();
    item->RealName = "Secret";
    item->Identified = false;
    item->type_id = typeId;
    return item;
}

std::unique_ptr<TWeapon> UnidentifiedWeapon(uint8_t weaponType, int32_t uses)
{
    auto weapon = std::make_unique<TWeapon>();
    weapon->RealName = "Secret";
    weapon->Identified = false;
    weapon->WeaponType = weaponType;
    weapon->weapon_uses = uses;
    return weapon;
}

std::bitset<16> Bits(std::initializer_list<int> bits)
{
    std::bitset<16> set;
    for (int bit : bits)
        set.set(bit);
    return set;
}

} // namespace

// ---- Display names -------------------------------------------------------

TEST(ItemRulesTest, NoItemIsShownAsEmpty)
{
    EXPECT_EQ(ItemDisplayName(nullptr), "EMPTY");
    EXPECT_EQ(ItemDisplayName(&EmptyItem()), "EMPTY");
    ResetProcess();
}

TEST(ItemRulesTest, IdentifiedNameShowsChargesAboveOneAndPiecesOfAStack)
{
    struct Case {
        bool weapon;
        int32_t charges;
        int32_t uses;
        const char* expected;
    };
    const Case cases[] = {
        {false, 3, -1, "Lamp(3)"},  {false, 2, -1, "Lamp(2)"}, {false, 1, -1, "Lamp"},
        {false, 0, -1, "Lamp"},     {false, -1, -1, "Lamp"},   {true, -1, 12, "Lamp[12]"},
        {true, -1, 1, "Lamp[1]"},   {true, -1, 0, "Lamp"},     {true, -1, -1, "Lamp"},
        {true, 4, 7, "Lamp(4)[7]"}, {true, 1, 7, "Lamp[7]"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TItem> item;
        if (c.weapon) {
            auto weapon = std::make_unique<TWeapon>();
            weapon->weapon_uses = c.uses;
            item = std::move(weapon);
        } else {
            item = std::make_unique<TItem>();
        }
        item->RealName = "Lamp";
        item->NotIdentifiedName = "Odd lamp";
        item->ccharges = c.charges;
        EXPECT_EQ(ItemDisplayName(item.get()), c.expected) << "charges " << c.charges << " uses " << c.uses;
    }
}

TEST(ItemRulesTest, UnidentifiedItemPrefersItsOwnUnidentifiedName)
{
    auto item = Unidentified(5);
    item->ccharges = 4;
    item->NotIdentifiedName = "Murky flask";
    EXPECT_EQ(ItemDisplayName(item.get()), "Murky flask");

    auto arrows = UnidentifiedWeapon(16, 12);
    arrows->NotIdentifiedName = "Bundle of shafts";
    EXPECT_EQ(ItemDisplayName(arrows.get()), "Bundle of shafts");
}

TEST(ItemRulesTest, UnidentifiedBuiltInTypesShowTheirGenericForm)
{
    const char* const forms[] = {
        "Item(NOT IDENTIFIED)",          "Spellbook(NOT IDENTIFIED)",    "Spellscroll(NOT IDENTIFIED)",
        "Gem(NOT IDENTIFIED)",           "Potion(NOT IDENTIFIED)",       "Armor(NOT IDENTIFIED)",
        "Small Shield(NOT IDENTIFIED)",  "Medium Shield(NOT IDENTIFIED)", "Large Shield(NOT IDENTIFIED)",
        "Bracers(NOT IDENTIFIED)",       "Gloves(NOT IDENTIFIED)",       "Boots(NOT IDENTIFIED)",
        "Ring(NOT IDENTIFIED)",          "Bracelet(NOT IDENTIFIED)",     "Necklace(NOT IDENTIFIED)",
        "Helmet(NOT IDENTIFIED)",        "Girdle(NOT IDENTIFIED)",       "Robes(NOT IDENTIFIED)",
        "Gauntlets(NOT IDENTIFIED)",
    };
    for (int32_t type = 1; type <= 19; ++type) {
        auto item = Unidentified(type);
        item->ccharges = 3;
        EXPECT_EQ(ItemDisplayName(item.get()), forms[type - 1]) << "type " << type;
    }
}

TEST(ItemRulesTest, UnidentifiedWeaponsShowTheirTypeAndCountOnlyCountedStacks)
{
    struct Case {
        uint8_t type;
        const char* stem;
        bool counted;
    };
    const Case cases[] = {
        {0, "Axe", true},           {1, "Bow", false},           {2, "Club", false},
        {3, "Crossbow", false},     {4, "Dagger", true},         {5, "Dart", true},
        {6, "Flail", false},        {7, "Great Sword", false},   {8, "Hammer", false},
        {9, "Long Sword", false},   {10, "Mace or Morning Star", false}, {11, "Short Sword", false},
        {12, "Sling", false},       {13, "Spear", true},         {14, "Staff", false},
        {15, "Two-handed Axe", false}, {16, "Arrow", true},      {17, "Bolt", true},
        {18, "Bullet", true},
    };
    for (const Case& c : cases) {
        const std::string plain = std::string(c.stem) + "(NOT IDENTIFIED)";
        const std::string stack = std::string(c.stem) + "[12](NOT IDENTIFIED)";
        EXPECT_EQ(ItemDisplayName(UnidentifiedWeapon(c.type, 12).get()), c.counted ? stack : plain) << c.stem;
        EXPECT_EQ(ItemDisplayName(UnidentifiedWeapon(c.type, 0).get()), plain) << c.stem;
        EXPECT_EQ(ItemDisplayName(UnidentifiedWeapon(c.type, -1).get()), plain) << c.stem;
    }
}

TEST(ItemRulesTest, UnidentifiedThingWithoutTypeHasNoName)
{
    auto chest = Unidentified(-1);
    chest->Container = std::make_unique<TContRec>();
    EXPECT_EQ(ItemDisplayName(chest.get()), "");
    EXPECT_EQ(ItemDisplayName(Unidentified(0).get()), "");
}

class ItemRulesCustomTypeTest : public EngineFixture {};

TEST_F(ItemRulesCustomTypeTest, UnidentifiedCustomTypesUseTheAdventuresTypeNames)
{
    TAdventureFolder folder(std::string(TAdventureFolder::RequiredSettings) +
                            "insert into item_types values (19, 'Gauntlets'), (20, 'Key'), (21, 'Relic');");
    Process().GameDir = folder.Game();
    MainForm().DataManager = std::make_unique<TDataManager>(folder.Game());
    ASSERT_TRUE(MainForm().DataManager->Opened());

    EXPECT_EQ(ItemDisplayName(Unidentified(20).get()), "Key(NOT IDENTIFIED)");
    EXPECT_EQ(ItemDisplayName(Unidentified(21).get()), "Relic(NOT IDENTIFIED)");
    // A type past the end of the adventure's list has an empty type name.
    EXPECT_EQ(ItemDisplayName(Unidentified(22).get()), "(NOT IDENTIFIED)");
    EXPECT_EQ(ItemDisplayName(Unidentified(250).get()), "(NOT IDENTIFIED)");
}

// ---- Body slots from equipped_on ----------------------------------------

TEST(ItemRulesTest, EquipSlotsFromCodeAddsOrReplaces)
{
    struct Case {
        int32_t code;
        std::bitset<16> slots;
        bool replaces;
    };
    const Case cases[] = {
        {1, Bits({bsHead}), false},
        {2, Bits({bsNeck}), false},
        {3, Bits({bsTorso}), false},
        {4, Bits({bsForeArms}), false},
        {5, Bits({bsWaist}), false},
        {6, Bits({bsRWrist, bsLWrist}), true},
        {7, Bits({bsRHand, bsLHand}), true},
        {8, Bits({bsRHand}), false},
        {9, Bits({bsLHand}), false},
        {10, Bits({bsRRing, bsLRing}), true},
        {11, Bits({}), false},
        {12, Bits({bsFeet}), false},
        {100, Bits({QuickUseBit}), false},
        {0, Bits({}), false},
        {13, Bits({}), false},
        {-1, Bits({}), false},
        {99, Bits({}), false},
        {101, Bits({}), false},
    };
    // A set that earlier rows of the same template already filled.
    const std::bitset<16> earlier = Bits({bsNeck, bsFeet});
    for (const Case& c : cases) {
        EXPECT_EQ(EquipSlotsFromCode(c.code), c.slots) << "code " << c.code;
        EXPECT_EQ(EquipSlotsFromCode(c.code, earlier), c.replaces ? c.slots : (c.slots | earlier)) << "code " << c.code;
    }
}

TEST(ItemRulesTest, EquipSlotsFromCodeBuildsUpOverSeveralRows)
{
    std::bitset<16> slots;
    slots = EquipSlotsFromCode(8, slots);
    slots = EquipSlotsFromCode(9, slots);
    slots = EquipSlotsFromCode(100, slots);
    EXPECT_EQ(slots, Bits({bsRHand, bsLHand, QuickUseBit}));
    // Both ring fingers throw away what came before.
    EXPECT_EQ(EquipSlotsFromCode(10, slots), Bits({bsRRing, bsLRing}));
}

// ---- Damage texts --------------------------------------------------------

TEST(ItemRulesTest, ParseDamageTextReadsDiceRangesAndLists)
{
    struct Case {
        const char* text;
        uint8_t form;
        int32_t dice;
        int32_t faces;
        std::vector<int32_t> values;
    };
    const Case cases[] = {
        {"2d6", dfDice, 2, 6, {}},
        {"10d12", dfDice, 10, 12, {}},
        {"2d", dfDice, 2, 0, {}},
        {"d8", dfDice, 0, 8, {}},
        {"xdy", dfDice, 0, 0, {}},
        {"1d4d6", dfDice, 1, 0, {}},
        {"3-8", dfRange, 0, 0, {3, 8}},
        {"3-", dfRange, 0, 0, {3, 0}},
        {"a-b", dfRange, 0, 0, {0, 0}},
        {"5", dfList, 0, 0, {5}},
        {"1|5|9", dfList, 0, 0, {1, 5, 9}},
        {"1||9|", dfList, 0, 0, {1, 9}},
        {"1|x|9", dfList, 0, 0, {1, 0, 9}},
        {"junk", dfList, 0, 0, {0}},
        {"", dfList, 0, 0, {}},
    };
    for (const Case& c : cases) {
        // A record that held another damage before: nothing of it may stay.
        DamageRec damage;
        damage.Form = dfRange;
        damage.DiceCount = 9;
        damage.DieSize = 9;
        damage.Values = {7, 7, 7};
        ParseDamageText(c.text, damage);
        EXPECT_EQ(damage.Form, c.form) << c.text;
        EXPECT_EQ(damage.DiceCount, c.dice) << c.text;
        EXPECT_EQ(damage.DieSize, c.faces) << c.text;
        EXPECT_EQ(damage.Values, c.values) << c.text;
    }
}

// ---- Modifier names --------------------------------------------------------

namespace {

// Every modifier in the order of the names below.
std::vector<int32_t> AllModifiers(const TModifiers& m)
{
    std::vector<int32_t> all;
    all.insert(all.end(), m.Abilities.begin(), m.Abilities.end());
    all.insert(all.end(), m.Armor.begin(), m.Armor.end());
    all.insert(all.end(), m.Attack.begin(), m.Attack.end());
    all.insert(all.end(), m.DamageBonus.begin(), m.DamageBonus.end());
    all.insert(all.end(), m.Resistances.begin(), m.Resistances.end());
    all.insert(all.end(), {m.mana_max, m.end_max, m.mana, m.end});
    return all;
}

const char* const ModifierNames[] = {
    "ab_str",       "ab_dex",     "ab_mind",    "ab_faith",   "ab_const",      "armor_melee", "armor_missile",
    "armor_wiz",    "armor_priest", "atk_melee", "atk_missile", "atk_wiz",     "atk_priest",  "dmg_melee",
    "dmg_missile",  "dmg_wiz",    "dmg_priest", "res_physical", "res_pierce",  "res_blunt",   "res_slash",
    "res_fire",     "res_acid",   "res_cold",   "res_electric", "res_poison",  "mana_max",    "end_max",
    "mana",         "end",
};

} // namespace

TEST(ItemRulesTest, SetByNameSetsExactlyTheNamedModifier)
{
    ASSERT_EQ(std::size(ModifierNames), 30u);
    for (size_t index = 0; index < std::size(ModifierNames); ++index) {
        TModifiers modifiers;
        EXPECT_TRUE(modifiers.SetByName(ModifierNames[index], -7)) << ModifierNames[index];
        std::vector<int32_t> expected(30, 0);
        expected[index] = -7;
        EXPECT_EQ(AllModifiers(modifiers), expected) << ModifierNames[index];
        // A second row of the same name replaces the value.
        modifiers.SetByName(ModifierNames[index], 12);
        expected[index] = 12;
        EXPECT_EQ(AllModifiers(modifiers), expected) << ModifierNames[index];
    }
}

TEST(ItemRulesTest, SetByNameIgnoresNamesThatAreNoModifier)
{
    const char* const others[] = {"armor_wizard", "atk_wizard", "dmg_wizard", "res_lightning", "ab_con",
                                  "AB_STR",       "end_max ",   " mana",      "endurance",     ""};
    for (const char* name : others) {
        TModifiers modifiers;
        EXPECT_FALSE(modifiers.SetByName(name, 5)) << name;
        EXPECT_EQ(AllModifiers(modifiers), std::vector<int32_t>(30, 0)) << name;
    }
}

#include <gtest/gtest.h>

#include "data/SQLite.h"
#include "rules/Creature.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "session/StyledText.h"
#include "support/EngineFixture.h"
#include "world/Location.h"
#include "world/LocationManager.h"

namespace {

std::unique_ptr<TItem> Item(const std::string& name, int slotCode, int64_t id)
{
    auto item = std::make_unique<TItem>();
    item->Id = item->TemplateId = id;
    item->Name = item->RealName = name;
    item->EquipSlots = EquipSlotsFromCode(slotCode);
    item->UsableBy.set();
    return item;
}

std::unique_ptr<TItem> Weapon(const std::string& name, int type, bool twoHanded, int64_t id)
{
    auto weapon = std::make_unique<TWeapon>();
    weapon->Id = weapon->TemplateId = id;
    weapon->Name = weapon->RealName = name;
    weapon->WeaponType = static_cast<uint8_t>(type);
    weapon->two_handed = twoHanded;
    weapon->EquipSlots = EquipSlotsFromCode(7);
    weapon->UsableBy.set();
    return weapon;
}

// A worn item that answers its removal with the answer the test gives.
class TClingingItem : public TScriptObject {
public:
    static inline int32_t Answer = -1;

    int32_t OnUnequip() override
    {
        AppendText(SenderProxy.GetName() + " takes off " + SelfProxy.GetName());
        return Answer;
    }
};

class EquipmentTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
        Form().Party[0] = std::make_unique<TPlayer>();
        Member = Form().Party[0].get();
        Member->Name = "Aldric";
        Member->ClassId = 1;
        Member->Abilities = {20, 20, 20, 20, 20};
    }

    void FillBackpack()
    {
        for (int slot = 1; slot <= BackpackSlotCount; ++slot) {
            auto stone = Item("Stone", 0, 900 + slot);
            Member->PutInBackpack(stone, slot);
        }
    }

    TPlayer* Member = nullptr;
};

} // namespace

TEST_F(EquipmentTest, ATwoHandedSwordPushesTheShieldOutOfAFullBackpack)
{
    auto shield = Item("Buckler", 9, 21001);
    ASSERT_TRUE(Member->Equip(shield, bsLHand));
    EXPECT_EQ(shield, nullptr);
    FillBackpack();
    Queue("expect-box Backpack is FULL. Item dropped while freeing the left hand.\nanswer ok");
    auto sword = Weapon("Great Sword", 7, true, 22001);
    ASSERT_TRUE(Member->Equip(sword, bsRHand));
    EXPECT_EQ(sword, nullptr);
    EXPECT_EQ(Member->BodyItem(bsRHand)->Name, "Great Sword");
    EXPECT_EQ(Member->BodyItem(bsLHand), Member->BodyItem(bsRHand));
    ASSERT_NE(Here.Items.empty(), true);
    EXPECT_EQ(Here.Items[0]->Name, "Buckler");
    EXPECT_GT(Here.Items[0]->PlacementId, 0);
    Process().SessionDb->Execute("select * from loc_cont", true);
    ASSERT_EQ(Process().SessionDb->Rows.size(), 1u);
    EXPECT_EQ(Process().SessionDb->Rows[0]->GetItem("ctype"), "5");
    EXPECT_EQ(Process().SessionDb->Rows[0]->GetItem("loc_id"), "1003");

    // Taking it off clears both hands at once.
    auto off = Member->Unequip(bsLHand);
    ASSERT_NE(off, nullptr);
    EXPECT_EQ(off->Name, "Great Sword");
    EXPECT_EQ(Member->BodyItem(bsRHand), &EmptyItem());
    EXPECT_EQ(Member->BodyItem(bsLHand), &EmptyItem());
}

TEST_F(EquipmentTest, TwoHandedOnlyThroughTheRightHand)
{
    auto sword = Weapon("Great Sword", 7, true, 22001);
    EXPECT_FALSE(Member->Equip(sword, bsLHand));
    ASSERT_NE(sword, nullptr);
    auto helm = Item("Helm", 1, 21002);
    EXPECT_FALSE(Member->Equip(helm, bsFeet));
    EXPECT_NE(helm, nullptr);
}

TEST_F(EquipmentTest, WeaponsCountOnlyTheOtherKindOfBonus)
{
    auto bow = Weapon("Short Bow", 1, false, 22002);
    bow->Attack = {3, 4, 0, 0};
    bow->DamageBonus = {1, 2, 0, 0};
    ASSERT_TRUE(Member->Equip(bow, bsRHand));
    EXPECT_EQ(Member->AttackMod[0], 3);
    EXPECT_EQ(Member->AttackMod[1], 0);
    EXPECT_EQ(Member->DamageMod[0], 1);
    EXPECT_EQ(Member->DamageMod[1], 0);

    auto ring = Item("Ring of Insight", 10, 21003);
    ring->Attack = {1, 1, 2, 0};
    ring->Armor = {0, 0, 1, 0};
    ASSERT_TRUE(Member->Equip(ring, bsRRing));
    EXPECT_EQ(Member->AttackMod[0], 4);
    EXPECT_EQ(Member->AttackMod[1], 1);
    EXPECT_EQ(Member->AttackMod[2], 2);
    const auto off = Member->Unequip(bsRRing);
    EXPECT_EQ(Member->AttackMod[2], 0);
    EXPECT_EQ(Member->Armor[2], 0);
    EXPECT_EQ(off->Name, "Ring of Insight");
}

TEST_F(EquipmentTest, EquippingAnOccupiedSlotHandsBackWhatItHeld)
{
    auto first = Item("Leather Cap", 1, 21004);
    first->Abilities = {2, 0, 0, 0, 0};
    ASSERT_TRUE(Member->Equip(first, bsHead));
    EXPECT_EQ(Member->Abilities[0], 22);
    auto second = Item("Iron Helm", 1, 21005);
    ASSERT_TRUE(Member->Equip(second, bsHead));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Name, "Leather Cap");
    EXPECT_EQ(Member->Abilities[0], 20);
    EXPECT_EQ(Member->BodyItem(bsHead)->Name, "Iron Helm");
}

TEST_F(EquipmentTest, TheWornItemsScriptMayKeepItOn)
{
    RegisterScriptClass(990019, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TClingingItem>()); });
    struct Case {
        int32_t answer;
        bool swapped;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{-1, true}}) {
        TClingingItem::Answer = c.answer;
        Member->Unequip(bsHead);
        Member->Abilities = {20, 20, 20, 20, 20};
        auto cap = Item("Cursed Cap", 1, 21004);
        cap->Abilities = {2, 0, 0, 0, 0};
        cap->ScriptId = 990019;
        ASSERT_TRUE(Member->Equip(cap, bsHead));
        const size_t before = Screen().size();
        auto helm = Item("Iron Helm", 1, 21005);
        EXPECT_EQ(Member->Equip(helm, bsHead), c.swapped) << c.answer;
        EXPECT_NE(Screen().find("Aldric takes off Cursed Cap", before), std::string::npos) << c.answer;
        ASSERT_NE(helm, nullptr);
        EXPECT_EQ(helm->Name, c.swapped ? "Cursed Cap" : "Iron Helm") << c.answer;
        EXPECT_EQ(Member->BodyItem(bsHead)->Name, c.swapped ? "Iron Helm" : "Cursed Cap") << c.answer;
        EXPECT_EQ(Member->Abilities[0], c.swapped ? 20 : 22) << c.answer;
    }
}

TEST_F(EquipmentTest, WhoMayUseWhat)
{
    auto item = Item("Staff of Embers", 7, 22003);
    item->UsableBy.reset();
    item->UsableBy.set(0);
    item->UsableBy.set(2);
    EXPECT_FALSE(Member->CanUse(*item));
    Member->ClassId = 2;
    EXPECT_TRUE(Member->CanUse(*item));
    item->req_mind = 21;
    EXPECT_FALSE(Member->CanUse(*item));
    TEnemy goblin;
    goblin.Abilities = {5, 5, 30, 5, 5};
    EXPECT_TRUE(goblin.CanUse(*item));
    item->Identified = false;
    EXPECT_FALSE(Member->CanUse(*item));
    EXPECT_TRUE(goblin.CanUse(*item));
    // No special uses and no body slots: no requirements.
    item->EquipSlots.reset();
    item->req_mind = 99;
    EXPECT_TRUE(goblin.CanUse(*item));

    Queue("expect-box The character can not equip this item.\nanswer ok");
    auto locked = Item("Forbidden Helm", 1, 21006);
    locked->UsableBy.reset();
    EXPECT_FALSE(Member->Equip(locked, bsHead));
    EXPECT_NE(locked, nullptr);
}

TEST_F(EquipmentTest, LosingStrengthTakesTheSwordAway)
{
    auto sword = Weapon("Long Sword", 9, false, 22004);
    sword->req_str = 18;
    ASSERT_TRUE(Member->Equip(sword, bsRHand));
    auto torch = Item("Torch", 100, 21007);
    torch->req_str = 19;
    torch->special_uses = 1;
    ASSERT_TRUE(Member->PutInQuickSlot(torch, 1));
    Member->ChangeStat(siStrength, -3);
    const std::string output = Form().RichEdit1.WrittenText();
    EXPECT_NE(output.find("Due to modifications, Aldric,cannot have Long Sword equipped any more."), std::string::npos);
    EXPECT_NE(output.find("Due to modifications, Aldric,cannot have Torch equipped any more."), std::string::npos);
    EXPECT_EQ(Member->BodyItem(bsRHand), &EmptyItem());
    EXPECT_EQ(Member->BackpackItem(1)->Name, "Long Sword");
    EXPECT_EQ(Member->BackpackItem(2)->Name, "Torch");
}

TEST_F(EquipmentTest, SlotOperations)
{
    Queue("expect-box Invalid slot number\nanswer ok\nexpect-box Invalid position 4\nanswer ok\n"
          "expect-box Item not found in backpack\nanswer ok");
    EXPECT_EQ(Member->TakeFromSlot(16, 1), nullptr);
    EXPECT_EQ(Member->TakeFromSlot(1, 4), nullptr);
    auto coin = Item("Copper Coin", 0, 21008);
    coin->TemplateId = 5;
    ASSERT_TRUE(Member->PutInBackpack(coin, 3));
    EXPECT_EQ(Member->FirstFreeBackpackSlot(), 1);
    EXPECT_EQ(Member->BackpackItem(0), &EmptyItem());
    auto byTemplate = Member->TakeItemById(5);
    ASSERT_NE(byTemplate, nullptr);
    EXPECT_TRUE(Member->PutInQuickSlot(byTemplate, 1));
    auto other = Item("Pebble", 0, 21009);
    EXPECT_FALSE(Member->PutInQuickSlot(other, 1));
    EXPECT_NE(other, nullptr);
    EXPECT_EQ(Member->TakeItemByName("Feather"), nullptr);
    ASSERT_TRUE(Member->PutInBackpack(other, 15));
    EXPECT_NE(Member->TakeItemByName("Pebble"), nullptr);
    auto helm = Item("Helm", 1, 21010);
    ASSERT_TRUE(Member->Equip(helm, bsHead));
    EXPECT_NE(Member->TakeItemById(21010), nullptr);
    EXPECT_EQ(Member->BodyItem(bsHead), &EmptyItem());
}

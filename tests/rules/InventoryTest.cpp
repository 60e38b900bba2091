#include <gtest/gtest.h>

#include <algorithm>

#include "rules/Appraisal.h"
#include "rules/Inventory.h"
#include "rules/Stacks.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "support/InventoryFixture.h"

namespace {

constexpr int Arrow = 16;
constexpr int Dart = 5;
constexpr int LongSword = 9;
constexpr int GreatSword = 7;

TPackSlot Pack(int slot)
{
    return {TPackArea::Backpack, slot};
}

TPackSlot Quick(int slot)
{
    return {TPackArea::Quick, slot};
}

// An item whose equip, removal and identify events answer as the test says.
class TPickyItem : public TScriptObject {
public:
    static inline int32_t Answer = -1;

    int32_t OnEquip() override { return Answer; }
    int32_t OnUnequip() override { return Answer; }
    int32_t OnIdentify() override { return Answer; }
};
constexpr int64_t PickyScript = 990231;

class InventoryTest : public InventoryFixture {
protected:
    void SetUp() override
    {
        InventoryFixture::SetUp();
        RegisterScriptClass(PickyScript, [] { return std::unique_ptr<TScriptObject>(std::make_unique<TPickyItem>()); });
        TPickyItem::Answer = -1;
    }

    const TWeapon* WeaponAt(TPackSlot slot) { return dynamic_cast<const TWeapon*>(ItemAt(*First, slot)); }
};

} // namespace

TEST_F(InventoryTest, StacksFillUpToTheirLimit)
{
    struct TCase {
        int Held;
        int Dragged;
        int HeldAfter;
        // -1: the dragged stack is gone.
        int DraggedAfter;
    } cases[] = {{12, 15, 20, 7}, {12, 5, 17, -1}, {20, 5, 20, 5}, {19, 1, 20, -1}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Held) + " + " + std::to_string(c.Dragged));
        First->Backpack = {};
        const TItem* held = Put(*First, Stack("Arrows", Arrow, c.Held), 1);
        const TItem* dragged = Put(*First, Stack("Arrows", Arrow, c.Dragged), 2);
        const int64_t draggedId = dragged->Id;
        DropOnSlot(*First, Pack(2), Pack(1));
        ASSERT_EQ(ItemAt(*First, Pack(1)), held);
        EXPECT_EQ(WeaponAt(Pack(1))->weapon_uses, c.HeldAfter);
        EXPECT_EQ(StoredUses(held->Id), std::to_string(c.HeldAfter));
        if (c.DraggedAfter < 0) {
            EXPECT_EQ(ItemAt(*First, Pack(2)), nullptr);
        } else {
            ASSERT_NE(WeaponAt(Pack(2)), nullptr);
            EXPECT_EQ(WeaponAt(Pack(2))->weapon_uses, c.DraggedAfter);
            EXPECT_EQ(StoredUses(draggedId), std::to_string(c.DraggedAfter));
        }
        EXPECT_EQ(Form().Control("Item01_1").Caption, "Arrows[" + std::to_string(c.HeldAfter) + "]");
    }
}

TEST_F(InventoryTest, StackLimitsFollowTheWeaponType)
{
    const std::pair<int, int> limits[] = {{Arrow, 20}, {17, 20}, {18, 20}, {Dart, 10}, {0, 5}, {4, 5},
                                          {8, 3},      {13, 3},  {LongSword, 1}};
    for (const auto& [type, limit] : limits) {
        TWeapon weapon;
        weapon.WeaponType = static_cast<uint8_t>(type);
        EXPECT_EQ(StackLimit(weapon), limit) << "type " << type;
    }
}

TEST_F(InventoryTest, AStackDroppedOnItsOwnSlotStaysWhole)
{
    const TItem* arrows = Put(*First, Stack("Arrows", Arrow, 12), 1);
    EXPECT_FALSE(MayDropOnSlot(*First, Pack(1), Pack(1)));
    DropOnSlot(*First, Pack(1), Pack(1));
    ASSERT_EQ(ItemAt(*First, Pack(1)), arrows);
    EXPECT_EQ(WeaponAt(Pack(1))->weapon_uses, 12);
}

TEST_F(InventoryTest, SlotsTakeWhatTheirKindAllows)
{
    const TItem* sword = Put(*First, Weapon("Long Sword", LongSword, false), 1);
    const TItem* shield = Put(*First, Item("Round Shield", 9), 2);
    const TItem* potion = Put(*First, Item("Healing Draught", 100), 3);
    const TItem* torch = PutQuick(*First, Item("Torch", 100), 1);
    const TItem* rope = PutQuick(*First, Item("Rope", 100), 2);

    // Onto an occupied backpack slot nothing moves; onto an empty one it does.
    DropOnSlot(*First, Pack(1), Pack(2));
    EXPECT_EQ(ItemAt(*First, Pack(1)), sword);
    EXPECT_EQ(ItemAt(*First, Pack(2)), shield);
    DropOnSlot(*First, Pack(1), Pack(9));
    EXPECT_EQ(ItemAt(*First, Pack(1)), nullptr);
    EXPECT_EQ(ItemAt(*First, Pack(9)), sword);

    // Quick slots take quick-use items only, and a backpack item only when empty.
    EXPECT_FALSE(MayDropOnSlot(*First, Pack(9), Quick(3)));
    EXPECT_TRUE(MayDropOnSlot(*First, Pack(3), Quick(3)));
    DropOnSlot(*First, Pack(3), Quick(1));
    EXPECT_EQ(ItemAt(*First, Pack(3)), potion);
    EXPECT_EQ(ItemAt(*First, Quick(1)), torch);

    // Quick items swap.
    DropOnSlot(*First, Quick(1), Quick(2));
    EXPECT_EQ(ItemAt(*First, Quick(1)), rope);
    EXPECT_EQ(ItemAt(*First, Quick(2)), torch);
    EXPECT_EQ(Form().Control("Quick1_1").Caption, "Rope");
    EXPECT_EQ(Form().Control("BtnQuick2").Caption, "Torch");
}

TEST_F(InventoryTest, QuickStacksOfOneTemplateMergeAndFullOnesStay)
{
    const TItem* quiver = PutQuick(*First, Stack("Arrows", Arrow, 18, 4100), 1);
    Put(*First, Stack("Fine Arrows", Arrow, 5, 4100), 1);
    DropOnSlot(*First, Pack(1), Quick(1));
    EXPECT_EQ(WeaponAt(Quick(1))->weapon_uses, 20);
    EXPECT_EQ(WeaponAt(Pack(1))->weapon_uses, 3);
    EXPECT_EQ(ItemAt(*First, Quick(1)), quiver);

    // Full: nothing changes, not even a swap.
    PutQuick(*First, Stack("Arrows", Arrow, 2, 4100), 2);
    DropOnSlot(*First, Quick(2), Quick(1));
    EXPECT_EQ(WeaponAt(Quick(1))->weapon_uses, 20);
    EXPECT_EQ(WeaponAt(Quick(2))->weapon_uses, 2);
}

TEST_F(InventoryTest, EmptyInTheRightHandFreesBothHandsOfATwoHandedWeapon)
{
    auto greatSword = Weapon("Great Sword", GreatSword, true);
    const TItem* sword = greatSword.get();
    ASSERT_TRUE(First->Equip(greatSword, bsRHand));
    GameClient().RefreshMemberPanel(1);
    ASSERT_EQ(Form().Control("LHand1").Items, (std::vector<std::string>{"EMPTY", "Great Sword"}));

    ASSERT_TRUE(Form().Select("RHand1", 0));
    EXPECT_EQ(First->HeldInBodySlot(bsRHand), nullptr);
    EXPECT_EQ(First->HeldInBodySlot(bsLHand), nullptr);
    EXPECT_FALSE(First->TwoHandedInBothHands);
    EXPECT_EQ(ItemAt(*First, Pack(1)), sword);
    EXPECT_EQ(Form().Control("RHand1").Items, (std::vector<std::string>{"EMPTY", "Great Sword"}));
    EXPECT_EQ(Form().Control("RHand1").ItemIndex, 0);
}

TEST_F(InventoryTest, WearingSwapsWithWhatIsWornAndHonoursTheEvents)
{
    auto cap = Item("Leather Cap", 1);
    const TItem* worn = cap.get();
    ASSERT_TRUE(First->Equip(cap, bsHead));
    TItem* helm = Put(*First, Item("Iron Helm", 1), 4);
    helm->ScriptId = PickyScript;
    GameClient().RefreshMemberPanel(1);

    TPickyItem::Answer = 0;
    ASSERT_TRUE(Form().DragOver("Item04_1", "Head1"));
    Form().DragDrop("Item04_1", "Head1");
    EXPECT_EQ(First->HeldInBodySlot(bsHead), worn);
    EXPECT_EQ(ItemAt(*First, Pack(4)), helm);
    EXPECT_EQ(Form().Control("Head1").ItemIndex, 1);

    TPickyItem::Answer = 1;
    Form().DragDrop("Item04_1", "Head1");
    EXPECT_EQ(First->HeldInBodySlot(bsHead), helm);
    EXPECT_EQ(ItemAt(*First, Pack(1)), worn);
    EXPECT_EQ(Form().Control("Head1").Items, (std::vector<std::string>{"EMPTY", "Iron Helm", "Leather Cap"}));

    // The worn helm refuses to come off.
    TPickyItem::Answer = 0;
    ASSERT_TRUE(Form().Select("Head1", 0));
    EXPECT_EQ(First->HeldInBodySlot(bsHead), helm);
    EXPECT_EQ(Form().Control("Head1").ItemIndex, 1);
    TPickyItem::Answer = -1;
    ASSERT_TRUE(Form().Select("Head1", 2));
    EXPECT_EQ(First->HeldInBodySlot(bsHead), worn);
}

TEST_F(InventoryTest, WhatCannotBeWornThereIsNotDropped)
{
    Put(*First, Item("Amber Ring", 10), 1);
    Put(*First, Weapon("Great Sword", GreatSword, true), 2);
    TItem* heavy = Put(*First, Item("Iron Helm", 1), 3);
    heavy->req_str = 30;
    ShowPanels();
    EXPECT_TRUE(Form().DragOver("Item01_1", "LRing1"));
    EXPECT_FALSE(Form().DragOver("Item01_1", "Head1"));
    EXPECT_FALSE(Form().DragOver("Item02_1", "LHand1"));
    EXPECT_TRUE(Form().DragOver("Item02_1", "RHand1"));
    EXPECT_FALSE(Form().DragOver("Item03_1", "Head1"));
    EXPECT_FALSE(Form().DragOver("Item01_1", "LRing2"));
    EXPECT_FALSE(Form().DragOver("Item01_1", "Item01_2"));
    EXPECT_FALSE(Form().DragOver("Item05_1", "Item06_1"));
}

TEST_F(InventoryTest, WhatIsTakenOffGoesToTheGroundWhenTheBackpackIsFull)
{
    auto cap = Item("Leather Cap", 1);
    const TItem* worn = cap.get();
    ASSERT_TRUE(First->Equip(cap, bsHead));
    FillBackpack(*First);
    Queue("answer ok");
    TakeOff(*First, bsHead);
    EXPECT_EQ(First->HeldInBodySlot(bsHead), nullptr);
    EXPECT_EQ(Here.Items[0].get(), worn);
    EXPECT_EQ(TestHost.LastBoxText(), "Backpack is full. Item dropped");
}

TEST_F(InventoryTest, GivingNeedsABackpackItemAndRoom)
{
    const TItem* coin = Put(*First, Item("Silver Coin"), 2);
    PutQuick(*First, Item("Torch", 100), 1);

    GiveItem(*First, Pack(2), *First);
    EXPECT_EQ(ItemAt(*First, Pack(2)), coin);
    Queue("answer ok\nanswer ok");
    GiveItem(*First, Quick(1), *Second);
    EXPECT_EQ(TestHost.LastBoxText(), "Put the item into your backpack first.");
    FillBackpack(*Second);
    GiveItem(*First, Pack(2), *Second);
    EXPECT_EQ(TestHost.LastBoxText(), "Backpack is FULL.");
    EXPECT_EQ(ItemAt(*First, Pack(2)), coin);

    Second->Backpack[6].reset();
    ShowPanels();
    ASSERT_NE(Form().ContextPopup("Item02_1"), "");
    EXPECT_EQ(Form().Control("GiveTo_2").Caption, "Brenna");
    ASSERT_TRUE(Form().Click("GiveTo_2"));
    EXPECT_EQ(ItemAt(*First, Pack(2)), nullptr);
    EXPECT_EQ(ItemAt(*Second, Pack(7)), coin);
    EXPECT_EQ(Form().Control("Item07_2").Caption, "Silver Coin");
}

TEST_F(InventoryTest, DiscardedThingsLieInTheLocation)
{
    const TItem* bone = Put(*First, Item("Old Bone"), 5);
    ShowPanels();
    ASSERT_EQ(Form().ContextPopup("Item05_1"), "PopupBackpack");
    ASSERT_TRUE(Form().Click("DiscardItem"));
    EXPECT_EQ(ItemAt(*First, Pack(5)), nullptr);
    EXPECT_EQ(Census()[bone->Id], 1);
    EXPECT_NE(std::find_if(Here.Items.begin(), Here.Items.end(), [bone](const auto& item) { return item.get() == bone; }),
              Here.Items.end());
    EXPECT_NE(bone->PlacementId, -1);
    EXPECT_EQ(Form().Control("Item05_1").Caption, "EMPTY");
    // An empty label opens no menu.
    EXPECT_EQ(Form().ContextPopup("Item05_1"), "");
}

TEST_F(InventoryTest, IdentifyAsksTheItem)
{
    TItem* ring = Put(*First, Item("Amber Ring", 10), 1);
    PutQuick(*First, Item("Torch", 100), 1);
    struct TCase {
        TPackSlot Slot;
        bool Identified;
        int32_t Answer;
        const char* Box;
    } cases[] = {
        {Quick(1), false, 1, "Put it in the backpack first."},
        {Pack(1), true, 1, "Item already identified."},
        {Pack(1), false, -1, "Item could not be identified."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Box);
        ring->Identified = c.Identified;
        ring->ScriptId = PickyScript;
        TPickyItem::Answer = c.Answer;
        Queue("answer ok");
        IdentifyItem(*First, c.Slot);
        EXPECT_EQ(TestHost.LastBoxText(), c.Box);
    }
}

TEST_F(InventoryTest, EvaluateEstimatesWithinItsMargin)
{
    struct TCase {
        int32_t Skill;
        int32_t Lowest;
        int32_t Highest;
    } cases[] = {{24, 91, 109}, {0, 51, 149}, {25, 51, 149}, {20, 86, 114}, {12, 71, 129}};
    Process().Random.Seed(23);
    for (const TCase& c : cases) {
        bool below = false;
        bool above = false;
        for (int draw = 0; draw < 2000; ++draw) {
            const int32_t estimate = EstimatedPrice(c.Skill, 100);
            ASSERT_GE(estimate, c.Lowest) << "Evaluate " << c.Skill;
            ASSERT_LE(estimate, c.Highest) << "Evaluate " << c.Skill;
            below = below || estimate == c.Lowest;
            above = above || estimate == c.Highest;
        }
        EXPECT_TRUE(below && above) << "Evaluate " << c.Skill << " reaches both ends of its margin";
    }
    // Halves round to even: 5 % of 50 is 2.5.
    Process().Random.Force({5, 1});
    EXPECT_EQ(EstimatedPrice(8, 50), 52);
}

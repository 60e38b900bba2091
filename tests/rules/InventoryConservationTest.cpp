// Every move between two places either happens whole or leaves both places as
// they were: whatever the target holds, whatever the events answer, and when the
// book closes during an event. No object is ever lost or doubled.
#include <gtest/gtest.h>

#include <functional>

#include "rules/ContainerUse.h"
#include "rules/Inventory.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "support/InventoryFixture.h"
#include "world/LocationActions.h"

namespace {

enum class TAnswer { NoScript, Agree, Refuse, CloseBook };

// Answers every event the moves ask, as the case says.
class TEventAnswers : public TScriptObject {
public:
    static inline TAnswer Answer = TAnswer::NoScript;

    int32_t OnEquip() override { return Reply(); }
    int32_t OnUnequip() override { return Reply(); }
    int32_t OnInsertInto() override { return Reply(); }
    int32_t OnTakeOut() override { return Reply(); }

private:
    static int32_t Reply()
    {
        switch (Answer) {
        case TAnswer::NoScript:
            return -1;
        case TAnswer::Refuse:
            return 0;
        case TAnswer::CloseBook:
            GameClient().SessionClosed = true;
            return 1;
        case TAnswer::Agree:
            return 1;
        }
        return -1;
    }
};
constexpr int64_t AnsweringScript = 990232;

class InventoryConservationTest : public InventoryFixture {
protected:
    void SetUp() override
    {
        InventoryFixture::SetUp();
        RegisterScriptClass(AnsweringScript,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TEventAnswers>()); });
        // Whatever a move has to say is acknowledged, and the first thing offered
        // after Cancel taken.
        TestHost.SetLineSource([](const std::string& waiting) {
            return std::optional<std::string>(waiting.find("message box") != std::string::npos ? "answer ok"
                                                                                               : "choose 2");
        });
    }

    void TearDown() override
    {
        TEventAnswers::Answer = TAnswer::NoScript;
        InventoryFixture::TearDown();
    }

    void Reset()
    {
        for (TPlayer* member : {First, Second}) {
            member->Backpack = {};
            member->QuickSlots = {};
            member->BodySlots = {};
            member->TwoHandedInBothHands = false;
        }
        Here.Items.clear();
        GameClient().SessionClosed = false;
    }

    // The moved object: scripted, usable from a quick slot and wearable on the head.
    std::unique_ptr<TItem> Moved(const std::string& name, int slotCode = 100)
    {
        auto item = Item(name, slotCode);
        item->ScriptId = AnsweringScript;
        return item;
    }

    TItem* Chest(int places, bool inBackpack)
    {
        auto chest = Item(inBackpack ? "Satchel" : "Chest");
        chest->type_id = -1;
        chest->ScriptId = AnsweringScript;
        chest->Container = std::make_unique<TContRec>();
        chest->Container->Contents.resize(places);
        chest->Container->Open = true;
        chest->Container->ItemTypes.set(1);
        TItem* put = chest.get();
        if (inBackpack)
            Put(*First, std::move(chest), 15);
        else
            Here.AddItem(std::move(chest));
        return put;
    }

    void FillContainer(TItem& chest)
    {
        for (auto& place : chest.Container->Contents)
            if (!place)
                place = Item("Pebble");
    }

    bool InContainer(const TItem& chest, const TItem* object)
    {
        for (const auto& place : chest.Container->Contents)
            if (place.get() == object)
                return true;
        return false;
    }

    bool OnGround(const TItem* object)
    {
        for (const auto& item : Here.Items)
            if (item.get() == object)
                return true;
        return false;
    }
};

struct TMoveCase {
    const char* Name;
    // Puts the object to move in its place and, with full set, fills the target;
    // returns the object.
    std::function<TItem*(bool full)> Setup;
    std::function<void(TItem* object)> Move;
    // Where the object is after a move into an empty target.
    std::function<bool(TItem* object)> Arrived;
};

} // namespace

TEST_F(InventoryConservationTest, EveryMoveKeepsEveryObject)
{
    const TPackSlot pack1{TPackArea::Backpack, 1};
    const TPackSlot pack2{TPackArea::Backpack, 2};
    const TPackSlot quick1{TPackArea::Quick, 1};
    const TPackSlot quick2{TPackArea::Quick, 2};
    TItem* chest = nullptr;
    const std::vector<TMoveCase> cases = {
        {"backpack to backpack",
         [&](bool full) {
             if (full)
                 Put(*First, Item("Lute"), 2);
             return Put(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { DropOnSlot(*First, pack1, pack2); },
         [&](TItem* object) { return ItemAt(*First, pack2) == object; }},
        {"backpack to quick",
         [&](bool full) {
             if (full)
                 PutQuick(*First, Item("Torch", 100), 1);
             return Put(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { DropOnSlot(*First, pack1, quick1); },
         [&](TItem* object) { return ItemAt(*First, quick1) == object; }},
        {"quick to backpack",
         [&](bool full) {
             if (full)
                 Put(*First, Item("Lute"), 2);
             return PutQuick(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { DropOnSlot(*First, quick1, pack2); },
         [&](TItem* object) { return ItemAt(*First, pack2) == object; }},
        {"quick to quick",
         [&](bool full) {
             if (full)
                 PutQuick(*First, Item("Torch", 100), 2);
             return PutQuick(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { DropOnSlot(*First, quick1, quick2); },
         [&](TItem* object) { return ItemAt(*First, quick2) == object; }},
        {"backpack to body",
         [&](bool full) {
             if (full) {
                 auto cap = Moved("Leather Cap", 1);
                 First->Equip(cap, bsHead);
             }
             return Put(*First, Moved("Iron Helm", 1), 1);
         },
         [&](TItem*) { WearFromBackpack(*First, 1, bsHead); },
         [&](TItem* object) { return First->HeldInBodySlot(bsHead) == object; }},
        {"two-handed weapon into both hands, backpack full",
         [&](bool full) {
             if (full) {
                 auto sword = Weapon("Long Sword", 9, false);
                 First->Equip(sword, bsRHand);
                 auto shield = Item("Round Shield", 9);
                 First->Equip(shield, bsLHand);
             }
             TItem* greatSword = Put(*First, Weapon("Great Sword", 7, true), 1);
             greatSword->ScriptId = AnsweringScript;
             FillBackpack(*First);
             return greatSword;
         },
         [&](TItem*) { WearFromBackpack(*First, 1, bsRHand); },
         [&](TItem* object) { return First->HeldInBodySlot(bsLHand) == object; }},
        {"body to backpack",
         [&](bool full) {
             if (full)
                 FillBackpack(*First);
             auto cap = Moved("Leather Cap", 1);
             TItem* worn = cap.get();
             First->Equip(cap, bsHead);
             return worn;
         },
         [&](TItem*) { TakeOff(*First, bsHead); },
         [&](TItem* object) { return ItemAt(*First, pack1) == object; }},
        {"backpack to a chest here",
         [&](bool full) {
             chest = Chest(2, false);
             if (full)
                 FillContainer(*chest);
             return Put(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { InsertIntoContainer(*First, pack1, *chest); },
         [&](TItem* object) { return InContainer(*chest, object); }},
        {"backpack to a satchel in the backpack",
         [&](bool full) {
             chest = Chest(2, true);
             if (full)
                 FillContainer(*chest);
             return Put(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { InsertIntoContainer(*First, pack1, *chest); },
         [&](TItem* object) { return InContainer(*chest, object); }},
        {"chest to backpack",
         [&](bool full) {
             chest = Chest(2, false);
             chest->Container->Contents[1] = Moved("Flask");
             if (full)
                 FillBackpack(*First);
             return chest->Container->Contents[1].get();
         },
         [&](TItem*) { TakeOutOfContainer(*First, *chest, 1); },
         [&](TItem* object) { return ItemAt(*First, pack1) == object; }},
        {"backpack to another member",
         [&](bool full) {
             if (full)
                 FillBackpack(*Second);
             return Put(*First, Moved("Flask"), 1);
         },
         [&](TItem*) { GiveItem(*First, pack1, *Second); },
         [&](TItem* object) { return ItemAt(*Second, pack1) == object; }},
        {"the ground to the backpack",
         [&](bool full) {
             if (full)
                 FillBackpack(*First);
             auto flask = Moved("Flask");
             TItem* lying = flask.get();
             Here.AddItem(std::move(flask));
             return lying;
         },
         [&](TItem*) { BtnPickupClick("BtnPickup"); },
         [&](TItem* object) { return ItemAt(*First, pack1) == object; }},
        {"backpack to the ground",
         [&](bool) { return Put(*First, Moved("Flask"), 1); },
         [&](TItem*) { DiscardItem(*First, pack1); },
         [&](TItem* object) { return OnGround(object); }},
    };

    for (const TMoveCase& move : cases)
        for (const bool full : {false, true})
            for (const TAnswer answer : {TAnswer::NoScript, TAnswer::Refuse, TAnswer::CloseBook}) {
                SCOPED_TRACE(std::string(move.Name) + (full ? ", full target" : ", empty target") + ", answer " +
                             std::to_string(static_cast<int>(answer)));
                Reset();
                TItem* object = move.Setup(full);
                ShowPanels();
                const auto before = Census();
                TEventAnswers::Answer = answer;
                move.Move(object);
                TEventAnswers::Answer = TAnswer::NoScript;
                const auto after = Census();
                EXPECT_EQ(after, before);
                for (const auto& [id, count] : after)
                    EXPECT_EQ(count, 1) << "object " << id;
                if (!full && answer == TAnswer::NoScript) {
                    EXPECT_TRUE(move.Arrived(object));
                }
            }
}

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/ItemUse.h"
#include "rules/Casting.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "support/EngineFixture.h"

namespace {

DamageRec Fixed(int amount)
{
    DamageRec damage;
    damage.Form = dfRange;
    damage.Values = {amount};
    return damage;
}

// What a use's script does when it is applied.
std::function<void()> OnApplied;
constexpr int64_t AppliedScriptId = 990401;

class TAppliedScript : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        if (OnApplied)
            OnApplied();
        return 1;
    }
};

template <class TUse>
std::unique_ptr<TUse> MakeUse(const std::string& name, int damage, bool onUser, int32_t mana = 0)
{
    auto use = std::make_unique<TUse>();
    use->Name = name;
    use->apply_to_user = onUser;
    use->offensive = !onUser;
    if (damage)
        use->Damage = std::make_unique<DamageRec>(Fixed(damage));
    if constexpr (std::is_same_v<TUse, TSpell>)
        use->req_mana = mana;
    return use;
}

std::unique_ptr<TItem> MakeItem(const std::string& name, int32_t type, int32_t charges)
{
    auto item = std::make_unique<TItem>();
    item->Name = item->RealName = name;
    item->Id = 70000 + type;
    item->type_id = type;
    item->ccharges = charges;
    item->EquipSlots.set(QuickUseBit).set(bsRRing);
    item->UsableBy.set();
    return item;
}

class ItemUseTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Form().FormCreate();
        OpenSessionWithContents();
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        GameClient().CurrentLocation = &Here;
        auto player = std::make_unique<TPlayer>();
        player->Name = "Aldric";
        player->Id = 50001;
        player->end_max = player->end = 20;
        player->mana_max = player->mana = 10;
        player->attack_roll = 1;
        GameClient().AddPartyMember(player, 1);
        Hero = Form().Member(1);
        OnApplied = nullptr;
        RegisterScriptClass(AppliedScriptId,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TAppliedScript>()); });
    }

    void TearDown() override
    {
        OnApplied = nullptr;
        EngineFixture::TearDown();
    }

    TEnemy& AddRat(int32_t armour = 0)
    {
        auto rat = std::make_unique<TEnemy>();
        rat->Name = "Rat " + std::to_string(++Rats);
        rat->Id = 30000 + Rats;
        rat->end_max = rat->end = 10;
        rat->Armor.fill(armour);
        TEnemy& added = *rat;
        Here.AddCreature(std::move(rat));
        return added;
    }

    TItem& InQuickSlot(std::unique_ptr<TItem> item, int slot = 1)
    {
        TItem& placed = *item;
        Hero->PutInQuickSlot(item, slot);
        return placed;
    }

    TPlayer* Hero = nullptr;
    int Rats = 0;
};

} // namespace

TEST_F(ItemUseTest, AOneChargeScrollThatIsDestroyedAfterUseGoesOnceCast)
{
    auto scroll = MakeItem("Scroll of Mending", itSpellScroll, 1);
    scroll->destroy_after_use = true;
    scroll->SpecialUses.push_back(MakeUse<TSpell>("Mending", 0, true, 4));
    InQuickSlot(std::move(scroll));
    UseQuickItem(*Hero, 1);
    EXPECT_NE(Screen().find("Aldric casts Mending on self"), std::string::npos);
    EXPECT_EQ(Hero->QuickSlots[0], nullptr);
    EXPECT_EQ(Hero->mana, 6);
    EXPECT_EQ(Form().Control("Quick1_1").Caption, "EMPTY");
}

TEST_F(ItemUseTest, ChargesRunDownExceptUnlimitedOnes)
{
    struct Case {
        int32_t Charges;
        int Uses;
        int32_t Left;
    };
    for (const Case c : {Case{-1, 5, -1}, Case{2, 2, 0}, Case{3, 1, 2}}) {
        SCOPED_TRACE(c.Charges);
        Hero->QuickSlots[0].reset();
        auto wand = MakeItem("Wand of Sparks", itItem, c.Charges);
        wand->SpecialUses.push_back(MakeUse<TSpecialItem>("Sparks", 1, true));
        TItem& kept = InQuickSlot(std::move(wand));
        for (int use = 0; use < c.Uses; ++use)
            UseQuickItem(*Hero, 1);
        ASSERT_EQ(Hero->QuickSlots[0].get(), &kept);
        EXPECT_EQ(kept.ccharges, c.Left);
    }
    Queue("expect-box You cannot use this item any more\nanswer ok");
    Hero->QuickSlots[0]->ccharges = 0;
    UseQuickItem(*Hero, 1);
}

TEST_F(ItemUseTest, ASpellLackingManaOffersTheChoiceAgain)
{
    auto book = MakeItem("Book of Embers", itSpellbook, -1);
    book->SpecialUses.push_back(MakeUse<TSpell>("Firestorm", 0, true, 50));
    book->SpecialUses.push_back(MakeUse<TSpell>("Spark", 0, true, 3));
    InQuickSlot(std::move(book));
    Queue("choose 2\nexpect-box Not enough MANA\nanswer ok\nchoose 3");
    UseQuickItem(*Hero, 1);
    EXPECT_NE(Screen().find("Aldric casts Spark on self"), std::string::npos);
    EXPECT_EQ(Hero->mana, 7);
}

TEST_F(ItemUseTest, AMassiveSpellRollsForEachEnemy)
{
    TEnemy& first = AddRat(4);
    TEnemy& second = AddRat(4);
    TEnemy& third = AddRat(4);
    TSpell spell;
    spell.Name = "Ember Rain";
    spell.massive = true;
    spell.offensive = true;
    spell.Damage = std::make_unique<DamageRec>(Fixed(3));
    // One die each: 1 and 1 fall short of the armour, 6 beats it.
    Process().Random.Force({0, 5, 0});
    EXPECT_TRUE(Cast(*Hero, spell, nullptr));
    const std::string output = Screen();
    EXPECT_NE(output.find("Aldric casts Ember Rain"), std::string::npos);
    EXPECT_NE(output.find("Rat 1 resisted spell: Ember Rain"), std::string::npos);
    EXPECT_NE(output.find("Rat 3 resisted spell: Ember Rain"), std::string::npos);
    EXPECT_EQ(first.end, 10);
    EXPECT_EQ(second.end, 7);
    EXPECT_EQ(third.end, 10);
    // Outside a fight, striking the location's creatures starts one.
    EXPECT_TRUE(Form().InCombat);
}

TEST_F(ItemUseTest, AWornItemUsedUpIsTakenOffBeforeItGoes)
{
    auto ring = MakeItem("Ring of Stone", itItem, 1);
    ring->destroy_after_use = true;
    ring->Armor[0] = 2;
    ring->SpecialUses.push_back(MakeUse<TSpecialItem>("Harden", 0, true));
    std::unique_ptr<TItem> worn = std::move(ring);
    ASSERT_TRUE(Hero->Equip(worn, bsRRing));
    EXPECT_EQ(Hero->Armor[0], 2);
    UseBodyItem(*Hero, bsRRing);
    EXPECT_EQ(Hero->BodySlots[bsRRing], nullptr);
    EXPECT_EQ(Hero->Armor[0], 0);
}

TEST_F(ItemUseTest, ABackpackItemGoesBackToItsSlotOrTheFirstFreeOne)
{
    for (const bool filled : {false, true}) {
        SCOPED_TRACE(filled);
        Hero->Backpack = {};
        auto potion = MakeItem("Healing Draught", itPotion, -1);
        potion->used_if_on = false;
        potion->SpecialUses.push_back(MakeUse<TSpecialItem>("Drink", 0, true));
        potion->SpecialUses.front()->ScriptId = AppliedScriptId;
        TItem& used = *potion;
        Hero->PutInBackpack(potion, 3);
        // A script hands the member something that lands in the emptied slot.
        OnApplied = [this, filled] {
            if (!filled)
                return;
            auto gift = MakeItem("Gift", itItem, -1);
            Hero->PutInBackpack(gift, 3);
        };
        UseBackpackItem(*Hero, 3);
        EXPECT_EQ(Hero->Backpack[filled ? 0 : 2].get(), &used);
        EXPECT_NE(Hero->Backpack[2], nullptr);
    }
}

TEST_F(ItemUseTest, AUserWhoFallsWhileChoosingATargetSpendsNothing)
{
    auto second = std::make_unique<TPlayer>();
    second->Name = "Brenna";
    second->Id = 50002;
    second->end_max = second->end = 20;
    GameClient().AddPartyMember(second, 2);
    TEnemy& rat = AddRat();
    rat.AttackMod[0] = 100;
    rat.NaturalDamage = Fixed(50);
    rat.delay = 0;
    auto wand = MakeItem("Wand of Sparks", itItem, 3);
    wand->SpecialUses.push_back(MakeUse<TSpecialItem>("Sparks", 4, false));
    TItem& kept = InQuickSlot(std::move(wand));
    Form().TurnBasedCombat = false;
    Form().CombatSession = TCombatSession::Create(false);
    Form().CombatSession->Start();
    Form().CombatSession->Enemies[0].Target = 1;
    // The rat strikes Aldric down while he picks its name.
    Queue("wait 1s\nchoose 2");
    UseQuickItem(*Hero, 1);
    EXPECT_LE(Hero->end, 0);
    EXPECT_EQ(rat.end, 10);
    EXPECT_EQ(kept.ccharges, 3);
}

TEST_F(ItemUseTest, ACreatureUsesItsQuickItemOrSaysWhyNot)
{
    TEnemy& chief = AddRat();
    chief.Name = "Goblin Chief";
    chief.end = 3;
    auto potion = MakeItem("Healing Potion", itPotion, 1);
    potion->destroy_after_use = true;
    auto heal = MakeUse<TSpecialItem>("Heal", 0, true);
    heal->end = 5;
    heal->duration = -1;
    potion->SpecialUses.push_back(std::move(heal));
    std::unique_ptr<TItem> held = std::move(potion);
    chief.PutInQuickSlot(held, 1);
    CreatureUseQuickItem(chief, 1, 0, 0);
    EXPECT_EQ(chief.end, 8);
    EXPECT_EQ(chief.QuickSlots[0], nullptr);

    auto empty = MakeItem("Wand of Sparks", itItem, 0);
    empty->SpecialUses.push_back(MakeUse<TSpecialItem>("Sparks", 2, false));
    held = std::move(empty);
    chief.PutInQuickSlot(held, 1);
    CreatureUseQuickItem(chief, 1, 0, Hero->Id);
    EXPECT_NE(Screen().find("Goblin Chief cannot use Wand of Sparks : Out of charges"), std::string::npos);
    EXPECT_EQ(Hero->end, 20);
}

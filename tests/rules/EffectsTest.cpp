#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "script/ScriptClasses.h"
#include "script/ScriptObject.h"
#include "support/EngineFixture.h"

namespace {

constexpr int64_t StateScriptId = 990201;

// What the state script hears, and what it does to the tick that runs it.
struct TStateScriptLog {
    std::vector<int32_t> Phases;
    std::vector<TEntity*> Selves;
    std::function<void()> OnPeriodic;
};
TStateScriptLog StateLog;

class TStateScript : public TScriptObject {
public:
    int32_t OnMessage(int32_t code) override
    {
        StateLog.Phases.push_back(code);
        StateLog.Selves.push_back(SelfProxy.Object);
        if (code == 2 && StateLog.OnPeriodic)
            StateLog.OnPeriodic();
        return 1;
    }
};

class EffectsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        OpenSessionWithContents();
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        StateLog = {};
        RegisterScriptClass(StateScriptId,
                            [] { return std::unique_ptr<TScriptObject>(std::make_unique<TStateScript>()); });
        Process().MessageTable[51] = TMessageEntry{StateScriptId, "Ember-sick"};
        Hero = &AddMember(1, "Aldric");
    }

    void TearDown() override
    {
        StateLog = {};
        EngineFixture::TearDown();
    }

    TPlayer& AddMember(int slot, const std::string& name)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->Id = 50000 + slot;
        player->end_max = player->end = 50;
        player->next_level = 1250;
        GameClient().AddPartyMember(player, slot);
        return *Form().Member(slot);
    }

    TEnemy& AddRat(int32_t endurance)
    {
        auto rat = std::make_unique<TEnemy>();
        rat->Name = "Rat";
        rat->Id = 30101;
        rat->end_max = rat->end = endurance;
        TEnemy& added = *rat;
        Here.AddCreature(std::move(rat));
        return added;
    }

    TEffectsManager& Effects() { return *Form().EffectsManager; }

    // A fixed amount of physical damage, at once or over time.
    static DamageRec Damage(int32_t amount, int32_t duration = -1, int32_t trigger = -1, uint8_t type = 0)
    {
        DamageRec damage;
        damage.Form = dfList;
        damage.Values = {amount};
        damage.DamageType = type;
        damage.Duration = duration;
        damage.Trigger = trigger;
        return damage;
    }

    void Strike(TCreature& target, const DamageRec& damage) { ApplyDamage(&damage, &target, 0); }

    // Half-second ticks on the virtual clock.
    void Ticks(int count) { TestHost.Advance(int64_t(count) * TickIntervalMs); }

    std::unique_ptr<TEffect> State(int32_t kind, TCreature* target, int32_t remaining, int32_t period)
    {
        auto effect = std::make_unique<TEffect>();
        effect->Kind = kind;
        effect->Target = target;
        effect->Remaining = remaining;
        effect->Period = period;
        return effect;
    }

    TPlayer* Hero = nullptr;
};

} // namespace

// ---- Time -------------------------------------------------------------------

TEST_F(EffectsTest, ATwoRoundModifierUndoesExactlyWhatItMadeAfter28Ticks)
{
    Hero->mana_max = Hero->mana = 4;
    Hero->Abilities[0] = 14;
    TSpecialItem blessing;
    blessing.duration = 2;
    blessing.mana_max = -10;  // cut to the 4 there are
    blessing.Abilities[0] = 2;
    blessing.Armor[0] = 3;
    blessing.Resistances[8] = 30;
    ApplyModifiers(&blessing, Hero);
    ASSERT_EQ(Hero->mana_max, 0);
    ASSERT_EQ(Hero->AttackMod[0], 1);
    EXPECT_TRUE(Effects().TimerRunning());

    Ticks(27);
    EXPECT_EQ(Hero->Abilities[0], 16);
    EXPECT_EQ(Hero->Armor[0], 3);
    EXPECT_TRUE(Effects().HasEffects(Hero->Id));

    Ticks(1);
    EXPECT_EQ(Hero->mana_max, 4);
    EXPECT_EQ(Hero->Abilities[0], 14);
    EXPECT_EQ(Hero->AttackMod[0], 0);
    EXPECT_EQ(Hero->Armor[0], 0);
    EXPECT_EQ(Hero->Resistances[8], 0);
    EXPECT_FALSE(Effects().HasEffects(Hero->Id));
    EXPECT_TRUE(LiveEffects().empty());
    // Nothing is left to tick: the timer stopped itself.
    EXPECT_FALSE(Effects().TimerRunning());
}

TEST_F(EffectsTest, DamageOverTimeHitsAtTheFirstTickThenEveryOtherUntil42TicksHavePassed)
{
    Strike(*Hero, Damage(1, 3, 1));
    EXPECT_EQ(Hero->end, 50);
    Ticks(1);
    EXPECT_EQ(Hero->end, 49);
    Ticks(40);
    EXPECT_EQ(Hero->end, 29);
    EXPECT_TRUE(Effects().HasDamageEffect(Hero->Id));
    Ticks(1);
    EXPECT_EQ(Hero->end, 29);
    EXPECT_FALSE(Effects().HasDamageEffect(Hero->Id));
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(EffectsTest, InATurnBasedFightDamageOverTimeHitsSevenTimesAtTheStartOfEachOfItsTargetsTurns)
{
    TEnemy& rat = AddRat(100);
    Effects().Pause();
    Strike(*Hero, Damage(1, 3, 1));
    Strike(rat, Damage(1, 3, 1));
    EXPECT_FALSE(Effects().TimerRunning());
    Ticks(20);
    EXPECT_EQ(Hero->end, 50);

    for (int turn = 1; turn <= 3; ++turn) {
        Effects().TickTurn(*Hero);
        EXPECT_EQ(Hero->end, 50 - 7 * turn) << "turn " << turn;
        // Only the creature whose turn it is.
        EXPECT_EQ(rat.end, 100);
    }
    EXPECT_FALSE(Effects().HasDamageEffect(Hero->Id));
    EXPECT_TRUE(Effects().HasDamageEffect(rat.Id));

    Effects().Resume();
    EXPECT_TRUE(Effects().TimerRunning());
    Ticks(1);
    EXPECT_EQ(rat.end, 99);
}

// ---- Death and refusals --------------------------------------------------------

TEST_F(EffectsTest, AnEffectWhoseTargetDiedGoesAtTheNextTickAndABodyKeepsNoEndurance)
{
    TEnemy& rat = AddRat(5);
    TSpecialItem vigour;
    vigour.duration = 5;
    vigour.end_max = 10;
    ApplyModifiers(&vigour, &rat);
    Strike(rat, Damage(1, 5, 1));
    ASSERT_EQ(rat.end_max, 15);
    ASSERT_EQ(LiveEffects().size(), 2u);

    Strike(rat, Damage(100));
    ASSERT_EQ(Here.Corpses[0].get(), &rat);
    ASSERT_EQ(rat.end, 0);
    const std::string before = Screen();
    Ticks(1);
    EXPECT_TRUE(LiveEffects().empty());
    // The body's maximum is undone, and it stays a body.
    EXPECT_EQ(rat.end_max, 5);
    EXPECT_EQ(rat.end, 0);
    // No hit on the dead.
    EXPECT_EQ(Screen(), before);
}

TEST_F(EffectsTest, NothingIsAddedForATargetWithoutEndurance)
{
    TEnemy& rat = AddRat(0);
    auto effect = std::make_unique<TEffectMod>();
    effect->Target = &rat;
    effect->Remaining = 10;
    Effects().Add(std::move(effect));
    Strike(rat, Damage(1, 3, 1));
    EXPECT_TRUE(LiveEffects().empty());
    EXPECT_FALSE(Effects().TimerRunning());
}

TEST_F(EffectsTest, CancelledEffectsGoAtTheNextTickWithoutBeingUndone)
{
    Hero->Armor[0] = 2;
    auto armour = std::make_unique<TEffectMod>();
    armour->Target = Hero;
    armour->Remaining = 100;
    armour->Armor[0] = 2;
    Effects().Add(std::move(armour));
    Strike(*Hero, Damage(1, 5, 1, 8));
    Strike(*Hero, Damage(1, 5, 1, 4));

    Effects().CancelDamageOfType(Hero->Id, 8);
    EXPECT_TRUE(Effects().HasDamageEffect(Hero->Id));
    Effects().CancelDamageOfType(Hero->Id, 4);
    EXPECT_FALSE(Effects().HasDamageEffect(Hero->Id));
    EXPECT_TRUE(Effects().HasEffects(Hero->Id));
    Effects().CancelFor(Hero->Id);
    EXPECT_FALSE(Effects().HasEffects(Hero->Id));

    Ticks(1);
    EXPECT_TRUE(LiveEffects().empty());
    EXPECT_EQ(Hero->Armor[0], 2);
    EXPECT_EQ(Hero->end, 50);
}

TEST_F(EffectsTest, EffectsRestoredWithoutATargetChangeNothingAndRunOut)
{
    auto armour = std::make_unique<TEffectMod>();
    armour->Remaining = 3;
    armour->Armor[0] = 5;
    Effects().Add(std::move(armour));
    auto poison = std::make_unique<TEffectDamage>();
    poison->Damage = Damage(4);
    poison->Remaining = 3;
    poison->Period = 1;
    poison->Counter = 1;
    Effects().Add(std::move(poison));
    Effects().Add(State(51, nullptr, 3, 1));
    Effects().Add(State(StateUnableToAct, nullptr, 3, 1));

    Ticks(3);
    EXPECT_TRUE(LiveEffects().empty());
    EXPECT_TRUE(StateLog.Phases.empty());
    EXPECT_EQ(Screen(), "");
    EXPECT_EQ(Hero->Armor[0], 0);
    EXPECT_EQ(Hero->end, 50);
}

// ---- States -------------------------------------------------------------------

TEST_F(EffectsTest, AnAdventureStateIsHeldEachPeriodToldToItsScriptAndEnded)
{
    Effects().Add(State(51, Hero, 6, 2));
    Ticks(2);
    EXPECT_FALSE(Hero->States.test(51));
    Ticks(1);
    EXPECT_TRUE(Hero->States.test(51));
    EXPECT_EQ(Form().Control("RadioButton1").Hint, "Ember-sick (2 s left),");
    Ticks(3);
    EXPECT_FALSE(Hero->States.test(51));
    EXPECT_EQ(StateLog.Phases, (std::vector<int32_t>{2, 2, 3}));
    EXPECT_EQ(StateLog.Selves, (std::vector<TEntity*>{Hero, Hero, Hero}));
    EXPECT_EQ(Form().Control("RadioButton1").Hint, "");
    EXPECT_TRUE(LiveEffects().empty());
}

TEST_F(EffectsTest, BeingUnableToActDisablesTheMembersControlsUntilItEnds)
{
    GameClient().EnableMemberPanel(1, true);
    Effects().Add(State(StateUnableToAct, Hero, 4, 1));
    Ticks(2);
    EXPECT_TRUE(Hero->States.test(StateUnableToAct));
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    Ticks(2);
    EXPECT_FALSE(Hero->States.test(StateUnableToAct));
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    EXPECT_TRUE(StateLog.Phases.empty());
}

// ---- What scripts run by a tick may do ------------------------------------------------

TEST_F(EffectsTest, ATickOutlivesScriptsThatAddAndCancelEffectsAndTickAgain)
{
    TEnemy& rat = AddRat(100);
    Strike(rat, Damage(1, 5, 1));
    Effects().Add(State(51, Hero, 4, 1));
    Ticks(1);
    EXPECT_EQ(rat.end, 99);
    EXPECT_TRUE(StateLog.Phases.empty());
    StateLog.OnPeriodic = [this, &rat] {
        // Well past the first 20 places: the list moves.
        for (int added = 0; added < 30; ++added)
            Strike(*Hero, Damage(1, 1, 1));
        Effects().CancelFor(rat.Id);
        // Inside a tick nothing advances.
        Effects().Tick(nullptr, 1);
        Effects().TickTurn(*Hero);
        StateLog.OnPeriodic = nullptr;
    };
    Ticks(1);
    ASSERT_EQ(StateLog.Phases.size(), 1u);
    // The new effects in the places after the state's hit at once; the rat's,
    // cancelled between its hits, hits no more.
    EXPECT_EQ(Hero->end, 20);
    Ticks(1);
    EXPECT_EQ(rat.end, 99);
    EXPECT_EQ(Hero->end, 20);
    EXPECT_FALSE(Effects().HasEffects(rat.Id));
    EXPECT_EQ(StateLog.Phases.size(), 2u);
}

TEST_F(EffectsTest, AManagerFreedByAScriptDuringItsTickIsLeftAlone)
{
    Effects().Add(State(51, Hero, 4, 1));
    Effects().Add(State(51, Hero, 4, 1));
    StateLog.OnPeriodic = [this] { Form().EffectsManager.reset(); };
    Ticks(4);
    EXPECT_EQ(StateLog.Phases.size(), 1u);
    EXPECT_EQ(Form().EffectsManager, nullptr);
}

TEST_F(EffectsTest, TickingStopsAtOnceWhenTheGameIsOver)
{
    Hero->end = 1;
    Strike(*Hero, Damage(5, 3, 1));
    Strike(*Hero, Damage(5, 3, 1));
    Queue("expect-box Game Over\nanswer ok");
    Ticks(1);
    EXPECT_TRUE(GameClient().SessionClosed);
    // One death line: the second effect never struck the body.
    const std::string output = Screen();
    EXPECT_EQ(output.find("took"), output.rfind("took")) << output;
}

// ---- The member panels -------------------------------------------------------

TEST_F(EffectsTest, TheMemberPanelTellsEachRunningEffectAndItsTimeLeft)
{
    Hero->States.set(52);
    Process().MessageTable[52].Name = "Blessed by Ashara";
    TSpecialItem blessing;
    blessing.duration = 2;
    blessing.Armor = {1, 1, 0, 0};
    ApplyModifiers(&blessing, Hero);
    Strike(*Hero, Damage(1, 1, 1, 8));
    Effects().Add(State(51, Hero, 40, 1));
    Ticks(1);
    EXPECT_EQ(Form().Control("RadioButton1").Hint,
              "Blessed by Ashara,melee armour +1 and missile armour +1 (14 s left),poison damage (7 s left),"
              "Ember-sick (20 s left),");

    Effects().Pause();
    GameClient().RefreshMemberGauges(1);
    EXPECT_EQ(Form().Control("RadioButton1").Hint,
              "Blessed by Ashara,melee armour +1 and missile armour +1 (2 rounds left),poison damage (1 round left),"
              "Ember-sick (3 rounds left),");
}

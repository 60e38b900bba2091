#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/Keys.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "script/ScriptCommands.h"
#include "script/ScriptClasses.h"
#include "script/ScriptRegistry.h"
#include "support/EngineFixture.h"

namespace {

// A host on which something may happen while a box is open, as the timers and
// other handlers of a real window let it.
class TBoxTickingHost : public TScriptedHost {
public:
    int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) override
    {
        if (const auto during = std::exchange(DuringNextBox, nullptr))
            during();
        return TScriptedHost::MessageDlg(text, type, buttons);
    }

    std::function<void()> DuringNextBox;
};

// A combat turn handler the test steers: what it does on each enemy turn, and
// the units it acted on.
std::function<int32_t(TScriptObject&)> TurnAction;
std::vector<int> UnitsActed;
int CurrentUnit = 0;

class TScriptedTurns : public TScriptObject {
public:
    TScriptedTurns()
    {
        CombatTurnHandler = [this](TEntity*, TEntity*) {
            UnitsActed.push_back(CurrentUnit);
            return TurnAction ? TurnAction(*this) : 0;
        };
    }
};

constexpr int64_t ScriptedTurnsId = 990001;

std::unique_ptr<TScriptObject> MakeScriptedTurns()
{
    return std::make_unique<TScriptedTurns>();
}

DamageRec Fixed(int amount)
{
    DamageRec damage;
    damage.Form = dfRange;
    damage.Values = {amount};
    damage.DamageType = 0;
    return damage;
}

class CombatSessionTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        Process().Host = &Host;
        Host.Attach(Process().MainForm.get(), &Form().RichEdit1, &Process().Random);
        Host.Print = [this](const std::string& text) { Printed.push_back(text); };
        Here.Creatures.clear();
        Here.Corpses.clear();
        NextEnemyId = 30001;
        OpenSessionWithContents();
        Form().EffectsManager = std::make_unique<TEffectsManager>();
        Process().Random.Seed(5);
        RegisterScriptClass(ScriptedTurnsId, &MakeScriptedTurns);
        TurnAction = nullptr;
        UnitsActed.clear();
        CurrentUnit = 0;
    }

    void TearDown() override
    {
        TurnAction = nullptr;
        EngineFixture::TearDown();
    }

    // Members hit whatever they strike for the given damage and roll no dice.
    TPlayer& AddMember(int slot, const std::string& name, int damage = 1)
    {
        auto player = std::make_unique<TPlayer>();
        player->Name = name;
        player->Id = 50000 + slot;
        player->end_max = player->end = 20;
        player->next_level = 1250;
        player->AttackMod[0] = 100;
        player->NaturalDamage = Fixed(damage);
        TPlayer* member = player.get();
        GameClient().AddPartyMember(player, slot);
        return *member;
    }

    // Enemies strike (or, with hits false, always miss) for the given damage.
    TEnemy& AddEnemy(const std::string& name, int32_t delay = 6, int64_t scriptId = 0, int damage = 1,
                     bool hits = true)
    {
        auto enemy = std::make_unique<TEnemy>();
        enemy->Name = name;
        enemy->Id = NextEnemyId++;
        enemy->end_max = enemy->end = 10;
        enemy->delay = delay;
        enemy->ScriptId = scriptId;
        enemy->AttackMod[0] = hits ? 100 : -100;
        enemy->NaturalDamage = Fixed(damage);
        enemy->HitMessage = name + " attacks ??:HIT";
        enemy->MissMessage = name + " attacks ??:MISSED";
        TEnemy* placed = enemy.get();
        Here.AddCreature(std::move(enemy));
        return *placed;
    }

    TCombatSession& StartFight(bool turnBased)
    {
        Form().TurnBasedCombat = turnBased;
        Form().CombatSession = TCombatSession::Create(turnBased);
        Form().CombatSession->Start();
        return *Form().CombatSession;
    }

    void Tick(int seconds = 1) { Host.Advance(1000 * seconds); }
    static size_t Count(const std::string& text, const std::string& part)
    {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    TBoxTickingHost Host;
    int64_t NextEnemyId = 30001;
};

} // namespace

TEST_F(CombatSessionTest, CreaturesActOnTheUnitsTheirDelayGives)
{
    struct Case {
        int32_t delay;
        std::vector<int> realTimeUnits;
        std::vector<int> turnBasedActsPerRound;
    };
    const Case cases[] = {
        {6, {1, 8, 15, 22}, {1, 1, 1, 1}},
        {3, {1, 5, 9, 13, 17, 21, 25}, {2, 2, 2, 1}},
        {0, {}, {7, 7, 7, 7}},
    };
    for (const Case& c : cases) {
        for (const bool turnBased : {false, true}) {
            ResetProcess();
            SetUp();
            AddMember(1, "Aldric");
            AddEnemy("Cellar Rat", c.delay, ScriptedTurnsId);
            TCombatSession& fight = StartFight(turnBased);
            if (!turnBased) {
                for (CurrentUnit = 1; CurrentUnit <= 28; ++CurrentUnit)
                    Tick();
                std::vector<int> expected = c.realTimeUnits;
                if (c.delay == 0)
                    for (int unit = 1; unit <= 28; ++unit)
                        expected.push_back(unit);
                EXPECT_EQ(UnitsActed, expected) << "real time, delay " << c.delay;
                continue;
            }
            std::vector<int> perRound;
            for (int round = 0; round < 4; ++round) {
                fight.NextTurn();  // the member's turn
                const size_t before = UnitsActed.size();
                fight.NextTurn();  // the enemy's
                perRound.push_back(static_cast<int>(UnitsActed.size() - before));
            }
            EXPECT_EQ(perRound, c.turnBasedActsPerRound) << "turn-based, delay " << c.delay;
        }
    }
}

TEST_F(CombatSessionTest, ANewSessionLetsEveryoneActAtOnce)
{
    TPlayer& hero = AddMember(1, "Aldric");
    hero.delay = 4;
    AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    AddEnemy("Stray Dog", 2, ScriptedTurnsId);
    TCombatSession& fight = StartFight(false);
    EXPECT_EQ(fight.MemberCounter[0], 4);
    Form().Control("RadioButton1").Enabled = false;
    Tick();
    EXPECT_EQ(UnitsActed.size(), 2u);
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    EXPECT_TRUE(Form().InCombat);
}

TEST_F(CombatSessionTest, TheTargetChoiceShowsHowHurtEachEnemyIsAndWhomItFights)
{
    struct Case {
        int32_t current;
        int32_t maximum;
        const char* word;
    };
    for (const Case& c : {Case{3, 10, " [badly injured|"}, Case{2, 10, " [near death|"}, Case{6, 10, " [badly injured|"},
                          Case{7, 10, " [injured|"}, Case{10, 10, " [uninjured|"}, Case{12, 10, " [uninjured|"},
                          Case{0, 0, " [near death|"}})
        EXPECT_EQ(HealthWord(c.current, c.maximum), c.word) << c.current << "/" << c.maximum;

    AddMember(1, "Aldric");
    AddEnemy("Cellar Rat").end = 3;
    AddEnemy("Stray Dog").end = 2;
    Form().CombatSession = TCombatSession::Create(false);
    Form().CombatSession->Enemies[1].Target = 1;
    Host.AddLines("expect-control LblChoice1 caption 1. Cancel\n"
                  "expect-control LblChoice2 caption 2. Cellar Rat [badly injured|None]\n"
                  "expect-control LblChoice3 caption 3. Stray Dog [near death|Aldric]\n"
                  "choose 1");
    EXPECT_TRUE(Form().Click("AttackBtn"));
    EXPECT_TRUE(Printed.empty()) << Printed.front();
    // Cancelled before a blow: no fight, and the session is gone again.
    EXPECT_EQ(Form().CombatSession, nullptr);
    EXPECT_FALSE(Form().InCombat);
    EXPECT_EQ(Screen().find("Aldric Rolls"), std::string::npos);
}

TEST_F(CombatSessionTest, TheWindowsButtonsAndKeysReachTheFight)
{
    TPlayer& hero = AddMember(1, "Aldric");
    AddEnemy("Cellar Rat", 6, 0, 1, false);
    // A double click on the member attacks; the pick starts the fight.
    Host.AddLines("choose 2");
    EXPECT_TRUE(Form().DblClick("RadioButton1"));
    ASSERT_NE(Form().CombatSession, nullptr);
    TCombatSession& fight = *Form().CombatSession;
    EXPECT_TRUE(Form().InCombat);
    EXPECT_EQ(fight.MemberTarget[0], 0);
    EXPECT_EQ(Here.Creatures[0]->end, 9);
    // The member waits for its counter: its radio button and quick labels are off.
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    EXPECT_FALSE(Form().Control("Quick1_1").Enabled);
    EXPECT_TRUE(Form().Control("BtnQuick1").Caption.empty());
    // Its counter counts up from 0 and reaches its delay at the tick after.
    for (int tick = 0; tick <= hero.delay; ++tick)
        Tick();
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    EXPECT_EQ(Form().Control("BtnQuick1").Caption, "EMPTY");
    // Ready again, it strikes its target without asking.
    EXPECT_TRUE(Form().Click("AttackBtn"));
    EXPECT_EQ(Here.Creatures[0]->end, 8);
    EXPECT_TRUE(Form().Click("StopAttackingBtn"));
    EXPECT_EQ(fight.MemberTarget[0], -1);
    // N belongs to turn-based fights.
    Form().KeyUp(KeyOfLetter('N'));
    EXPECT_EQ(Here.Creatures[0]->end, 8);
}

TEST_F(CombatSessionTest, NPressedDuringAnEnemysTurnDoesNothing)
{
    AddMember(1, "Aldric");
    AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    TCombatSession& fight = StartFight(true);
    TurnAction = [](TScriptObject&) {
        MainForm().KeyUp(KeyOfLetter('N'));
        return 0;
    };
    EXPECT_NE(Screen().find("Press N to start the next round or Attack to attack ..."), std::string::npos);
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    // Timed effects tick only at the start of each turn meanwhile.
    EXPECT_TRUE(Form().EffectsManager->Paused());
    fight.NextTurn();
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    // The member passes; the rat's turn presses N once more.
    Form().KeyUp(KeyOfLetter('N'));
    EXPECT_EQ(UnitsActed.size(), 1u);
    EXPECT_FALSE(Form().Control("RadioButton1").Enabled);
    EXPECT_TRUE(fight.Ready);
    EXPECT_EQ(fight.TurnIndex, 2u);
    // Now N starts the next round: the member's turn.
    Form().KeyUp(KeyOfLetter('N'));
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
}

TEST_F(CombatSessionTest, KillingTheLastEnemyEndsTheFightAtTheNextTick)
{
    AddMember(1, "Aldric");
    TEnemy& rat = AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    StartFight(false);
    Tick();
    // A spell's blow, outside the fight's own steps.
    rat.ChangeStat(siEnd, -rat.end);
    EXPECT_TRUE(Form().InCombat);
    Tick();
    EXPECT_FALSE(Form().InCombat);
    EXPECT_EQ(Form().CombatSession, nullptr);
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    EXPECT_FALSE(Form().EffectsManager->Paused());
}

TEST_F(CombatSessionTest, TheLastMemberFallingEndsTheGameBeforeAnotherEnemyActs)
{
    for (const bool turnBased : {false, true}) {
        ResetProcess();
        SetUp();
        AddMember(1, "Aldric");
        AddEnemy("Cellar Rat", 6, 0, 50);
        AddEnemy("Stray Dog", 6, 0, 50);
        TCombatSession& fight = StartFight(turnBased);
        const std::weak_ptr<TCombatSession> watched = Form().CombatSession;
        Host.AddLines("expect-box Game Over :-( \nanswer ok");
        if (turnBased) {
            fight.NextTurn();
            fight.NextTurn();
        } else {
            Tick();
        }
        EXPECT_TRUE(Printed.empty()) << Printed.front();
        const std::string output = Screen();
        EXPECT_EQ(Count(output, "attacks Aldric"), 1u) << output;
        EXPECT_TRUE(GameClient().SessionClosed);
        EXPECT_FALSE(Form().InCombat);
        EXPECT_EQ(Form().CombatSession, nullptr);
        EXPECT_TRUE(watched.expired());
        Tick(3);
    }
}

TEST_F(CombatSessionTest, AMemberWhoFallsWhileChoosingATargetMakesNoAttack)
{
    TPlayer& hero = AddMember(1, "Aldric");
    AddMember(2, "Brenna");
    AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    TCombatSession& fight = StartFight(false);
    fight.Enemies[0].Target = 1;
    TurnAction = [](TScriptObject& script) {
        script.TargetProxy.Kill();
        return 0;
    };
    Form().Click("RadioButton1");
    // Real time goes on while the list is open: the rat kills Aldric.
    Host.AddLines("wait 1000ms\nchoose 2");
    EXPECT_TRUE(Form().Click("AttackBtn"));
    EXPECT_TRUE(Printed.empty()) << Printed.front();
    EXPECT_EQ(Form().Member(1), nullptr);
    EXPECT_TRUE(hero.IsDead());
    EXPECT_EQ(Screen().find("Aldric Rolls"), std::string::npos);
    EXPECT_EQ(Here.Creatures[0]->end, 10);
    EXPECT_EQ(fight.MemberTarget[0], -1);
    EXPECT_TRUE(Form().InCombat);
    // The rat's target fell: it takes the one left.
    TurnAction = nullptr;
    Tick(7);
    EXPECT_EQ(fight.Enemies[0].Target, 2);
}

TEST_F(CombatSessionTest, TheLastEnemyKilledWhileABoxIsShownAttacksNoMore)
{
    AddMember(1, "Aldric");
    TEnemy& rat = AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    StartFight(false);
    TurnAction = [](TScriptObject&) {
        Cmd().MessageBox("The rat squeals");
        return 1;
    };
    Host.DuringNextBox = [&rat] { rat.ChangeStat(siEnd, -rat.end); };
    Host.AddLines("answer ok");
    Tick();
    EXPECT_TRUE(Printed.empty()) << Printed.front();
    EXPECT_EQ(Screen().find("attacks Aldric"), std::string::npos);
    EXPECT_EQ(Here.Creatures[0], nullptr);
    Tick();
    EXPECT_FALSE(Form().InCombat);
    EXPECT_EQ(Form().CombatSession, nullptr);
}

TEST_F(CombatSessionTest, AFightEndedFromInsideOneOfItsTurnsStopsThere)
{
    struct Case {
        const char* what;
        std::function<void()> ending;
        // Lines the ending waits for.
        const char* answers;
        bool partyLeft;
    };
    const Case cases[] = {
        // As if the player quit the book while the creature's turn waited.
        {"the book closed", [] { GameClient().CloseBook(); }, "", false},
        // A script moves the party on (here to a place the book lacks).
        {"the party moved", [] { Cmd().MoveParty(1999); }, "answer ok", true},
        {"another fight started", [] {
             MainForm().InCombat = false;
             Cmd().CheckForCombat();
         }, "", true},
    };
    for (const Case& c : cases) {
        for (const bool turnBased : {false, true}) {
            ResetProcess();
            SetUp();
            AddMember(1, "Aldric");
            AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
            AddEnemy("Stray Dog", 6, ScriptedTurnsId);
            TCombatSession& fight = StartFight(turnBased);
            const std::weak_ptr<TCombatSession> first = Form().CombatSession;
            TurnAction = [&c](TScriptObject&) {
                c.ending();
                return 1;
            };
            Host.AddLines(c.answers);
            if (turnBased) {
                fight.NextTurn();
                fight.NextTurn();
            } else {
                Tick();
            }
            const std::string where = std::string(c.what) + (turnBased ? ", turn-based" : ", real time");
            EXPECT_TRUE(Printed.empty()) << where << ": " << Printed.front();
            EXPECT_EQ(UnitsActed.size(), 1u) << where;
            EXPECT_TRUE(first.expired()) << where;
            EXPECT_EQ(Screen().find("attacks Aldric"), std::string::npos) << where;
            EXPECT_EQ(Form().Member(1) != nullptr, c.partyLeft) << where;
            TurnAction = nullptr;
            Tick(3);
        }
    }
}

TEST_F(CombatSessionTest, NoAttackWhileAnotherMembersPickIsPending)
{
    AddMember(1, "Aldric");
    AddMember(2, "Brenna");
    AddEnemy("Cellar Rat", 6, 0, 1, false);
    Form().Click("RadioButton1");
    // While Aldric picks, Brenna is selected and double-clicked: refused, and
    // the session Aldric waits in stays.
    Host.AddLines("click RadioButton2\ndblclick RadioButton2\nchoose 2");
    EXPECT_TRUE(Form().Click("AttackBtn"));
    EXPECT_TRUE(Printed.empty()) << Printed.front();
    const std::string output = Screen();
    EXPECT_EQ(Count(output, "Rolls"), 1u) << output;
    EXPECT_NE(output.find("Aldric Rolls"), std::string::npos) << output;
    ASSERT_NE(Form().CombatSession, nullptr);
    EXPECT_TRUE(Form().CombatSession->Running());
    EXPECT_EQ(Form().CombatSession->MemberTarget[0], 0);
    EXPECT_TRUE(Form().InCombat);
}

TEST_F(CombatSessionTest, ANewcomerTakingAFallenEnemysPlaceStartsAfresh)
{
    AddMember(1, "Aldric");
    TEnemy& rat = AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    TCombatSession& fight = StartFight(false);
    fight.MemberTarget[0] = 0;
    Tick();
    ASSERT_EQ(fight.Enemies.size(), Here.Creatures.size());
    const int handle = fight.Enemies[0].Script;
    ASSERT_NE(LoadedScript(handle), nullptr);
    EXPECT_EQ(fight.Enemies[0].Target, 1);
    EXPECT_EQ(fight.Enemies[0].Counter, 0);

    rat.ChangeStat(siEnd, -rat.end);
    TEnemy& dog = AddEnemy("Stray Dog", 4);
    ASSERT_EQ(Here.Creatures[0].get(), &dog);
    EXPECT_EQ(fight.Enemies[0].Enemy, &dog);
    EXPECT_EQ(fight.Enemies[0].Target, -1);
    EXPECT_EQ(fight.Enemies[0].Counter, 4);
    EXPECT_EQ(fight.Enemies[0].Script, -1);
    EXPECT_EQ(LoadedScript(handle), nullptr);
    EXPECT_EQ(fight.MemberTarget[0], -1);

    // A session made but not yet fighting keeps up with newcomers too.
    EndCombat();
    Form().CombatSession = TCombatSession::Create(false);
    for (int more = 0; more < 6; ++more)
        AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
    TCombatSession& waiting = *Form().CombatSession;
    ASSERT_EQ(waiting.Enemies.size(), Here.Creatures.size());
    for (size_t place = 0; place < Here.Creatures.size(); ++place)
        EXPECT_EQ(waiting.Enemies[place].Enemy, Here.Creatures[place].get()) << place;
    waiting.Start();
    UnitsActed.clear();
    Tick();
    EXPECT_EQ(UnitsActed.size(), 6u);

    // One leaving the location leaves the turn order and frees its script.
    const int leaving = waiting.Enemies[1].Script;
    ASSERT_NE(LoadedScript(leaving), nullptr);
    Here.RemoveCreature(Here.Creatures[1]->Id);
    EXPECT_EQ(LoadedScript(leaving), nullptr);
    EXPECT_EQ(waiting.Enemies[1].Script, -1);
}

TEST_F(CombatSessionTest, MembersUnableToActTakeNoTurn)
{
    for (const bool turnBased : {false, true}) {
        ResetProcess();
        SetUp();
        TPlayer& held = AddMember(1, "Aldric");
        AddMember(2, "Brenna");
        AddEnemy("Cellar Rat", 6, ScriptedTurnsId);
        held.States.set(StateUnableToAct);
        TCombatSession& fight = StartFight(turnBased);
        Form().Control("RadioButton1").Enabled = false;
        if (turnBased) {
            fight.NextTurn();
            EXPECT_EQ(Process().SelectedMember, 2);
        } else {
            Tick(2);
        }
        EXPECT_FALSE(Form().Control("RadioButton1").Enabled) << turnBased;
        EXPECT_TRUE(Form().Control("RadioButton2").Enabled) << turnBased;
    }
}

TEST_F(CombatSessionTest, TheStatusLineSaysWhoFightsWhom)
{
    EXPECT_EQ(FightStatus(), "");
    AddMember(1, "Aldric");
    AddMember(2, "Brenna");
    AddEnemy("Cellar Rat", 6, ScriptedTurnsId).end = 4;
    TCombatSession& fight = StartFight(false);
    fight.MemberTarget[0] = 0;
    fight.Enemies[0].Target = 2;
    EXPECT_EQ(FightStatus(), "Round 1: Aldric (20/20) -> Cellar Rat; Brenna (20/20) -> none | Cellar Rat (4/10) -> Brenna");
    Tick(7);
    EXPECT_EQ(fight.Rounds, 1);
}

TEST_F(CombatSessionTest, TheAdventuresTacticsSteerTheirCreaturesTurns)
{
    struct Case {
        const char* name;
        int64_t scriptId;
        int32_t endurance;
        int32_t maximum;
        // Per round: the creature's endurance after its turn, and whether it
        // said its line and attacked.
        std::vector<int32_t> enduranceAfter;
        const char* line;
        std::vector<bool> said;
        std::vector<bool> attacked;
    };
    const Case cases[] = {
        {"Troll", 500138, 10, 30, {15, 20, 20}, "Troll regenerates", {true, true, false}, {true, true, true}},
        {"Troll", 500138, 18, 30, {23, 23}, "Troll regenerates", {true, false}, {true, true}},
        {"Troll", 500138, 19, 30, {19}, "Troll regenerates", {false}, {true}},
        {"Goblin Shaman", 500280, 10, 10, {10, 10, 10, 10, 10}, "Goblin Shaman chants and points a bone at Aldric",
         {true, true, true, false, false}, {false, false, false, true, true}},
        {"The Rat King", 500127, 12, 24, {12, 12}, "The Rat King shrieks", {true, false}, {true, true}},
        {"The Rat King", 500127, 13, 24, {13}, "The Rat King shrieks", {false}, {true}},
    };
    for (const Case& c : cases) {
        ResetProcess();
        SetUp();
        AddMember(1, "Aldric");
        TEnemy& creature = AddEnemy(c.name, 6, c.scriptId);
        creature.end_max = c.maximum;
        creature.end = c.endurance;
        TCombatSession& fight = StartFight(true);
        for (size_t round = 0; round < c.enduranceAfter.size(); ++round) {
            fight.NextTurn();
            const size_t before = Screen().size();
            fight.NextTurn();
            const std::string output = Screen().substr(before);
            const std::string where = std::string(c.name) + " at " + std::to_string(c.endurance) + ", round " +
                                      std::to_string(round + 1) + "\n" + output;
            EXPECT_EQ(creature.end, c.enduranceAfter[round]) << where;
            EXPECT_EQ(output.find(c.line) != std::string::npos, c.said[round]) << where;
            EXPECT_EQ(output.find(std::string(c.name) + " attacks Aldric") != std::string::npos, c.attacked[round])
                << where;
        }
    }
}

TEST_F(CombatSessionTest, TheRatKingsDeathClearsTheCellars)
{
    AddMember(1, "Aldric", 5);
    TEnemy& king = AddEnemy("The Rat King", 6, 500127, 1, false);
    king.end = 3;
    king.end_max = 24;
    Host.AddLines("choose 2");
    EXPECT_TRUE(Form().Click("AttackBtn"));
    EXPECT_TRUE(Printed.empty()) << Printed.front();
    EXPECT_TRUE(king.IsDead() || king.end == 0);
    EXPECT_NE(Screen().find("The Rat King :DEAD"), std::string::npos) << Screen();
    EXPECT_EQ(GameClient().JournalEntries, std::vector<std::string>{"j_cellars=j_cellars.txt"});
    EXPECT_EQ(Process().Switches.GetItem("cellar_rats_cleared"), 1);
    EXPECT_EQ(Form().Member(1)->experience, 100);
    // The blow started the fight; the next tick finds no one left to fight.
    EXPECT_TRUE(Form().InCombat);
    Tick();
    EXPECT_FALSE(Form().InCombat);
}

TEST_F(CombatSessionTest, EffectsTickAtTheStartOfEachTurnAndAPoisonedEnemyMayFallBeforeActing)
{
    TPlayer& hero = AddMember(1, "Aldric");
    TEnemy& rat = AddEnemy("Cellar Rat", 0);
    rat.end = 5;
    DamageRec poison = Fixed(1);
    poison.Duration = 3;
    poison.Trigger = 1;
    TCombatSession& fight = StartFight(true);
    ApplyDamage(&poison, &hero, 0);
    ApplyDamage(&poison, &rat, 0);
    EXPECT_EQ(hero.end, 20);

    fight.NextTurn();
    EXPECT_EQ(hero.end, 13);
    EXPECT_EQ(rat.end, 5);
    EXPECT_TRUE(Form().Control("RadioButton1").Enabled);
    Form().KeyUp(KeyOfLetter('N'));
    // The rat dies of its poison at the start of its turn and never bites.
    EXPECT_EQ(Count(Screen(), "attacks Aldric"), 0u) << Screen();
    EXPECT_TRUE(Here.Creatures.empty() || !Here.Creatures.front());
    EXPECT_EQ(fight.TurnIndex, 2u);
    EXPECT_EQ(hero.end, 13);
}

TEST_F(CombatSessionTest, TacticsUseTheCreaturesQuickItems)
{
    auto quickItem = [](const std::string& name, bool onSelf, int32_t heal, int damage) {
        auto item = std::make_unique<TItem>();
        item->Name = item->RealName = name;
        item->Id = 70001;
        item->type_id = itPotion;
        item->UsableBy.set();
        item->EquipSlots.set(QuickUseBit);
        auto use = std::make_unique<TSpecialItem>();
        use->Name = name;
        use->apply_to_user = onSelf;
        use->offensive = !onSelf;
        use->end = heal;
        if (damage)
            use->Damage = std::make_unique<DamageRec>(Fixed(damage));
        item->SpecialUses.push_back(std::move(use));
        return std::unique_ptr<TItem>(std::move(item));
    };
    AddMember(1, "Aldric");
    TEnemy& chief = AddEnemy("Goblin Chief", 6, 500281);
    chief.end = 4;
    std::unique_ptr<TItem> potion = quickItem("Draught", true, 5, 0);
    chief.PutInQuickSlot(potion, 1);
    TCombatSession& fight = StartFight(true);
    auto enemyTurn = [&] {
        fight.NextTurn();
        const size_t before = Screen().size();
        fight.NextTurn();
        return Screen().substr(before);
    };
    std::string turn = enemyTurn();
    EXPECT_NE(turn.find("Goblin Chief quaffs a potion"), std::string::npos) << turn;
    EXPECT_EQ(turn.find("attacks Aldric"), std::string::npos) << turn;
    EXPECT_EQ(chief.end, 9);
    // Once only, however hurt it is again.
    chief.end = 2;
    turn = enemyTurn();
    EXPECT_EQ(turn.find("quaffs"), std::string::npos) << turn;
    EXPECT_NE(turn.find("Goblin Chief attacks Aldric"), std::string::npos) << turn;

    ResetProcess();
    SetUp();
    TPlayer& target = AddMember(1, "Aldric");
    TEnemy& shaman = AddEnemy("Goblin Shaman", 6, 500280);
    std::unique_ptr<TItem> wand = quickItem("Bone Wand", false, 0, 3);
    shaman.PutInQuickSlot(wand, 1);
    TCombatSession& second = StartFight(true);
    const char* const expected[] = {"Aldric took 3", "chants and points a bone", "chants and points a bone",
                                    "Goblin Shaman attacks Aldric"};
    for (const char* line : expected) {
        second.NextTurn();
        const size_t before = Screen().size();
        second.NextTurn();
        const std::string output = Screen().substr(before);
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n" << output;
    }
    EXPECT_EQ(target.end, 20 - 3 - 1);
}

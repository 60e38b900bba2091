// One fight between the party and the creatures of the current location, turn by
// turn (the player presses N) or in real time (a one-second timer drives both
// sides). A round is 7 units; a creature acts on every (delay + 1)-th unit.
//
// Enemies act while the player waits on a choice or a box, and a step of the
// fight may end it (the last member falls, a script moves the party on or starts
// another fight). A session is therefore only ended where that happens: the
// fight stops at once, and the object lives on until the handlers running in it
// have returned. Every step checks that its session is still the current one
// after each attack, script and wait.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"

class TCreature;
class TEnemy;
class TLocation;
class TTimer;

class TCombatSession : public std::enable_shared_from_this<TCombatSession> {
public:
    // A fight with the creatures of the current location, not yet started.
    static std::shared_ptr<TCombatSession> Create(bool turnBased);
    ~TCombatSession();
    TCombatSession(const TCombatSession&) = delete;
    TCombatSession& operator=(const TCombatSession&) = delete;

    // Starts the fight unless it runs already.
    void Start();
    // Plays the next combatant's turn (turn-based).
    void NextTurn();
    // The selected member attacks: its target, or one it picks.
    void PlayerAttack();
    // The selected member stops fighting its target.
    void StopAttacking();
    // A creature that joined the location's creatures while the session exists.
    void AddCombatant(TEnemy* creature);
    // A creature about to leave the location.
    void RemoveCombatant(int64_t id);
    // Stops the fight for good: timer, targets, kept scripts, member panels,
    // effects. The object stays valid for whoever still runs in it.
    void End();

    bool Running() const { return FRunning; }
    bool Ended() const { return FEnded; }
    // Not ended, still the main window's session, at the place it was made for,
    // with the book open.
    bool Current() const;

    // Per party slot 1..6 (index 0..5): the place in Creatures of the enemy the
    // member fights (-1: none), and its readiness counter.
    std::array<int32_t, MaxPartySize> MemberTarget{};
    std::array<int32_t, MaxPartySize> MemberCounter{};
    // Per place of the location's Creatures list.
    struct TEnemyPlace {
        // Who holds the place as the session knows it; a newcomer in the place
        // starts afresh.
        const TEnemy* Enemy = nullptr;
        int32_t Counter = 7;
        // The kept script handle (with a combat turn handler), or -1.
        int Script = -1;
        // The party slot it attacks, or -1.
        int32_t Target = -1;
    };
    std::vector<TEnemyPlace> Enemies;
    // Turn-based: the members in slot order, then the enemies; null entries left.
    std::vector<TCreature*> TurnOrder;
    size_t TurnIndex = 0;
    bool TurnBased = false;
    // False while an enemy's turn is being played.
    bool Ready = true;
    std::array<bool, MaxPartySize> KnifeThrown{};
    int64_t LocationId = 0;
    // Rounds played so far: every 7 units in real time, every pass through the
    // turn order in turn-based play.
    int32_t Rounds = 0;

private:
    TCombatSession() = default;

    // The real-time tick: one unit for everyone.
    void Tick();
    // Makes the places follow the location's Creatures list: grown, and reset
    // where a newcomer took a place.
    void SyncPlaces();
    void Join(size_t place, const TEnemy& enemy);
    // The enemy in place i acts on its target (chosen anew when that has
    // fallen). False when the session is no longer current afterwards.
    bool EnemyActs(size_t place);
    // Enemies answer whoever attacks them.
    void AnswerAttackers();
    // A creature of the turn order that may take its turn now.
    bool MayTakeTurn(const TCreature* creature) const;
    void PlayEnemyTurn(const TEnemy& enemy);
    // The place of the enemy the member in slot picks; -1 for "Cancel", or when
    // the member or the pick fell meanwhile.
    int ChooseTarget(int slot, const TPlayer& member);
    TLocation* Here() const;

    std::unique_ptr<TTimer> Timer;
    bool FRunning = false;
    bool FEnded = false;
    int32_t Units = 0;
};

// Ends the main window's fight, if any; the session is freed once nothing runs in it.
void EndCombat();
// Outside a fight, with creatures here: a new fight replaces any old session and starts.
void StartCombatIfEnemies();
// The session running at this location (the current one), or null.
TCombatSession* CombatAt(const TLocation& location);
// How hurt a creature looks: " [near death|", " [badly injured|", " [injured|"
// or " [uninjured|".
std::string HealthWord(int32_t current, int32_t maximum);
// One line: who fights whom, with endurance; empty outside a fight.
std::string FightStatus();

// A lock that gives to a key the party carries or to a thief's picks: the
// mine's postern, the crypt's iron door, the high priest's sarcophagus. Each
// says in its own words how the key turns and how the picks fare, and what
// opening it lets through.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptCommands.h"

// What a lock is: the template of its key, the counter set once it has given,
// its name in "None of the keys you carry will go into NAME." and "NAME is
// already unlocked.", and how easy it is: a roll of 1..10 at most Ease plus
// the thief's Pick Lock opens it.
struct TLockRules {
    int64_t Key;
    const char* Counter;
    const char* Keyhole;
    const char* Name;
    int32_t Ease;
};

class TKeyOrPicks : public TScriptObject {
public:
    explicit TKeyOrPicks(const TLockRules& rules) : Rules(rules) {}

    int32_t OnUnlock() override
    {
        if (AlreadyOpen())
            return 1;
        if (!PartyHasItem(Rules.Key)) {
            Cmd().PrintParagraph(std::string("None of the keys you carry will go into ") + Rules.Keyhole + ".");
            return 1;
        }
        Open(KeyTurns(SenderProxy.GetName()));
        return 1;
    }

    int32_t OnPickLock() override
    {
        if (AlreadyOpen())
            return 1;
        const std::string name = SenderProxy.GetName();
        const int32_t skill = SenderProxy.SkillValue("SK_PICK_LOCK");
        if (skill <= 0 || Cmd().RandomRange(1, 10) > Rules.Ease + skill) {
            Cmd().PrintParagraph(PicksFail(name));
            return 1;
        }
        Open(PicksOpen(name));
        return 1;
    }

protected:
    // The member's key turning, the picks slipping, the picks winning.
    virtual std::string KeyTurns(const std::string& name) const = 0;
    virtual std::string PicksFail(const std::string& name) const = 0;
    virtual std::string PicksOpen(const std::string& name) const = 0;
    // What the open lock lets through, after it is told.
    virtual void Opened() {}

private:
    bool AlreadyOpen() const
    {
        if (Cmd().GetCounter(Rules.Counter) == 0)
            return false;
        Cmd().PrintParagraph(std::string(Rules.Name) + " is already unlocked.");
        return true;
    }

    void Open(const std::string& how)
    {
        TScriptCmd& cmd = Cmd();
        SelfProxy.Unlock();
        cmd.ChangeCounter(Rules.Counter, true);
        cmd.PrintParagraph(how);
        Opened();
    }

    const TLockRules& Rules;
};

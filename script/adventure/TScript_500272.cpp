// The crypt's iron door at the south end of the nave: the sexton's keys open
// it, and so can a thief's picks. Open, it lets the party down the
// processional way.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"
#include "script/adventure/KeyOrPicks.h"

namespace {

// A good lock, kept oiled by the cult: it wants a practised hand.
constexpr TLockRules IronDoorLock{SextonsKeysTemplate, CounterIronDoorOpen, "the iron door's lock", "The iron door", 4};

class TScript_500272 : public TKeyOrPicks {
public:
    TScript_500272() : TKeyOrPicks(IronDoorLock) {}

private:
    std::string KeyTurns(const std::string& name) const override
    {
        return name + " tries the sexton's keys one after another. The fourth turns, and the iron door swings back "
                      "on the pillared way beyond.";
    }

    std::string PicksFail(const std::string& name) const override
    {
        return name + " works at the iron door's lock until the picks slip. It holds.";
    }

    std::string PicksOpen(const std::string& name) const override
    {
        return "The oiled wards give one by one under " + name + "'s picks, and the iron door swings back on the "
               "pillared way beyond.";
    }

    void Opened() override
    {
        Cmd().ShowExit(IronDoor, ProcessionalWay, true);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500272()
{
    return std::make_unique<TScript_500272>();
}

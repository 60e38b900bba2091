// The crypt's iron door at the south end of the nave: the sexton's keys open
// it, and so can a thief's picks. Open, it lets the party down the
// processional way.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500272 : public TScriptObject {
public:
    int32_t OnUnlock() override
    {
        if (AlreadyOpen())
            return 1;
        if (!PartyHasItem(SextonsKeysTemplate)) {
            Cmd().PrintParagraph("None of the keys you carry will go into the iron door's lock.");
            return 1;
        }
        Open(SenderProxy.GetName() + " tries the sexton's keys one after another. The fourth turns, and the iron "
                                     "door swings back on the pillared way beyond.");
        return 1;
    }

    int32_t OnPickLock() override
    {
        if (AlreadyOpen())
            return 1;
        const std::string name = SenderProxy.GetName();
        const int32_t skill = SenderProxy.SkillValue("SK_PICK_LOCK");
        // A good lock, kept oiled by the cult: it wants a practised hand.
        if (skill <= 0 || Cmd().RandomRange(1, 10) > 4 + skill) {
            Cmd().PrintParagraph(name + " works at the iron door's lock until the picks slip. It holds.");
            return 1;
        }
        Open("The oiled wards give one by one under " + name + "'s picks, and the iron door swings back on the "
             "pillared way beyond.");
        return 1;
    }

private:
    static bool AlreadyOpen()
    {
        if (Cmd().GetCounter(CounterIronDoorOpen) == 0)
            return false;
        Cmd().PrintParagraph("The iron door is already unlocked.");
        return true;
    }

    void Open(const std::string& how)
    {
        TScriptCmd& cmd = Cmd();
        SelfProxy.Unlock();
        cmd.ChangeCounter(CounterIronDoorOpen, true);
        cmd.PrintParagraph(how);
        cmd.ShowExit(IronDoor, ProcessionalWay, true);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500272()
{
    return std::make_unique<TScript_500272>();
}

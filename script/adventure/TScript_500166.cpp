// The iron postern beside the barred mine gate: the weighman's key from the
// ore bin opens it, and so can a thief's picks. Open, it lets the party into
// the rock behind the gate.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500166 : public TScriptObject {
public:
    int32_t OnUnlock() override
    {
        if (AlreadyOpen())
            return 1;
        if (!PartyHasItem(WeighmansKeyTemplate)) {
            Cmd().PrintParagraph("None of the keys you carry will go into the postern's lock.");
            return 1;
        }
        Open(SenderProxy.GetName() + " tries the weighman's key. It turns with a screech of rust, and the postern "
                                     "swings inward on the dark.");
        return 1;
    }

    int32_t OnPickLock() override
    {
        if (AlreadyOpen())
            return 1;
        const std::string name = SenderProxy.GetName();
        const int32_t skill = SenderProxy.SkillValue("SK_PICK_LOCK");
        // A plain lock, but stiff with rust: a practised hand opens it more often than not.
        if (skill <= 0 || Cmd().RandomRange(1, 10) > 5 + skill) {
            Cmd().PrintParagraph(name + " works at the lock until the pick slips on the rust. It holds.");
            return 1;
        }
        Open("The rusted wards give one by one under " + name + "'s picks, and the postern swings inward on the "
             "dark.");
        return 1;
    }

private:
    static bool AlreadyOpen()
    {
        if (Cmd().GetCounter(CounterPosternOpen) == 0)
            return false;
        Cmd().PrintParagraph("The postern is already unlocked.");
        return true;
    }

    void Open(const std::string& how)
    {
        TScriptCmd& cmd = Cmd();
        SelfProxy.Unlock();
        cmd.ChangeCounter(CounterPosternOpen, true);
        cmd.PrintParagraph(how);
        cmd.ShowExit(MineRoadsEnd, PosternPassage, true);
        cmd.AddJournalEntry("j_mine_gate_open", "j_mine_gate_open.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500166()
{
    return std::make_unique<TScript_500166>();
}

// The iron strongbox in the Sealed Cellar. The iron key from the Chandler's
// Cellar opens it; a pick can too, once the needle in the keyhole is known.
// An unknown needle springs at the first pick and is spent.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int64_t IronKeyTemplate = 21014;
// Set when the strongbox has been unlocked.
constexpr const char* CounterStrongboxUnlocked = "strongbox_unlocked";

class TScript_500124 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("The lid swings up without a sound. Someone has kept more than the lock in order: what "
                             "lies inside is laid out neatly on a folded cloth, stitched with a flame burning downwards.");
        return 1;
    }

    int32_t OnExamine() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterStrongboxUnlocked) > 0) {
            cmd.PrintParagraph("The lock hangs open now, its bolt drawn back.");
            return 1;
        }
        std::string text = "The keyhole is cut for a key in an old dwarvish pattern.";
        if (cmd.GetCounter(CounterStrongboxNeedle) > 0)
            text += " You know about the needle inside it now.";
        if (PartyHasItem(IronKeyTemplate))
            text += " The iron key you carry looks made for it.";
        cmd.PrintParagraph(text);
        return 1;
    }

    int32_t OnUnlock() override
    {
        TScriptCmd& cmd = Cmd();
        if (AlreadyOpen())
            return 1;
        if (!PartyHasItem(IronKeyTemplate)) {
            cmd.PrintParagraph("None of the keys you carry will go into that old dwarvish keyhole.");
            return 1;
        }
        cmd.PrintParagraph(SenderProxy.GetName() + " fits the iron key to the lock. It turns stiffly, then all at "
                           "once, and the bolt falls back with a clack that echoes round the vault.");
        Unlock();
        return 1;
    }

    int32_t OnPickLock() override
    {
        TScriptCmd& cmd = Cmd();
        if (AlreadyOpen())
            return 1;
        const std::string name = SenderProxy.GetName();
        const int32_t skill = SenderProxy.SkillValue("SK_PICK_LOCK");
        if (skill <= 0) {
            cmd.PrintParagraph(name + " pokes at the lock for a while and gets nowhere.");
            return 1;
        }
        if (cmd.GetCounter(CounterStrongboxNeedle) == 0) {
            cmd.ChangeCounter(CounterStrongboxNeedle, true);
            cmd.PrintParagraph("A needle flicks out of the keyhole and snaps against the pick, a hair's breadth from " +
                               name + "'s fingers. Its poison has long since dried black. The needle is spent, but "
                               "the pick is bent, and " + name + " has to start again.");
            return 1;
        }
        // Old dwarf-work: a practised hand opens it more often than not.
        if (cmd.RandomRange(1, 10) > 4 + skill) {
            cmd.PrintParagraph("The tumblers of the old lock slip back each time " + name + " thinks they have "
                               "caught. The lock holds, for now.");
            return 1;
        }
        cmd.PrintParagraph("Tumbler by tumbler the old lock gives way to " + name + "'s picks, and the bolt slides "
                           "back.");
        Unlock();
        return 1;
    }

private:
    bool AlreadyOpen()
    {
        if (Cmd().GetCounter(CounterStrongboxUnlocked) == 0)
            return false;
        Cmd().PrintParagraph("The strongbox is already unlocked.");
        return true;
    }

    void Unlock()
    {
        SelfProxy.Unlock();
        Cmd().ChangeCounter(CounterStrongboxUnlocked, true);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500124()
{
    return std::make_unique<TScript_500124>();
}

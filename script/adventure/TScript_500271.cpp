// The high priest's sarcophagus: the sexton's keys open it, and so can a
// thief's picks. Inside lies Aurelan with the Sunstone on his breast, the
// stone the Heart's door answers to; opening it raises his ghost.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

constexpr int32_t PersonHere = 30;
// Set when the sarcophagus' lock has given.
constexpr const char* CounterSarcophagusUnlocked = "crypt_sarcophagus_unlocked";

class TScript_500271 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterSarcophagusOpened) > 0)
            return -1;
        cmd.ChangeCounter(CounterSarcophagusOpened, true);
        cmd.PrintParagraph("The lid grinds aside. High Priest Aurelan lies in his vestments, little more than bones "
                           "now, his hands folded over a disc of yellow stone that gives off a light of its own, warm "
                           "and steady as a summer noon.");
        cmd.PrintParagraph("~<c:YELLOW>The air over the sarcophagus thickens and brightens, and an old man in a "
                           "priest's robes stands there, looking down at his own bones without much interest.");
        cmd.ShowContent(PersonHere, HighPriestsGhost, true);
        return 1;
    }

    int32_t OnUnlock() override
    {
        if (AlreadyOpen())
            return 1;
        if (!PartyHasItem(SextonsKeysTemplate)) {
            Cmd().PrintParagraph("None of the keys you carry will go into the sarcophagus' lock.");
            return 1;
        }
        Unlock(SenderProxy.GetName() + " finds the smallest of the sexton's keys, worn bright with use. It turns, "
                                       "and something heavy in the stone falls back.");
        return 1;
    }

    int32_t OnPickLock() override
    {
        if (AlreadyOpen())
            return 1;
        const std::string name = SenderProxy.GetName();
        const int32_t skill = SenderProxy.SkillValue("SK_PICK_LOCK");
        // The sisters' masons made it to stay shut: a hard lock.
        if (skill <= 0 || Cmd().RandomRange(1, 10) > 3 + skill) {
            Cmd().PrintParagraph(name + " probes the sarcophagus' lock, but its old wards are cut too deep.");
            return 1;
        }
        Unlock("Deep in the stone a ward gives under " + name + "'s picks, and the lid shifts a finger's breadth.");
        return 1;
    }

private:
    static bool AlreadyOpen()
    {
        if (Cmd().GetCounter(CounterSarcophagusUnlocked) == 0)
            return false;
        Cmd().PrintParagraph("The sarcophagus is already unlocked.");
        return true;
    }

    void Unlock(const std::string& how)
    {
        SelfProxy.Unlock();
        Cmd().ChangeCounter(CounterSarcophagusUnlocked, true);
        Cmd().PrintParagraph(how);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500271()
{
    return std::make_unique<TScript_500271>();
}

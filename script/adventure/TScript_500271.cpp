// The high priest's sarcophagus: the sexton's keys open it, and so can a
// thief's picks. Inside lies Aurelan with the Sunstone on his breast, the
// stone the Heart's door answers to; opening it raises his ghost.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"
#include "script/adventure/KeyOrPicks.h"

namespace {

constexpr int32_t PersonHere = 30;
// Set when the sarcophagus' lock has given.
constexpr const char* CounterSarcophagusUnlocked = "crypt_sarcophagus_unlocked";
// The sisters' masons made it to stay shut: a hard lock.
constexpr TLockRules SarcophagusLock{SextonsKeysTemplate, CounterSarcophagusUnlocked, "the sarcophagus' lock",
                                     "The sarcophagus", 3};

class TScript_500271 : public TKeyOrPicks {
public:
    TScript_500271() : TKeyOrPicks(SarcophagusLock) {}

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

private:
    std::string KeyTurns(const std::string& name) const override
    {
        return name + " finds the smallest of the sexton's keys, worn bright with use. It turns, and something heavy "
                      "in the stone falls back.";
    }

    std::string PicksFail(const std::string& name) const override
    {
        return name + " probes the sarcophagus' lock, but its old wards are cut too deep.";
    }

    std::string PicksOpen(const std::string& name) const override
    {
        return "Deep in the stone a ward gives under " + name + "'s picks, and the lid shifts a finger's breadth.";
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500271()
{
    return std::make_unique<TScript_500271>();
}

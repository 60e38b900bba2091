// The Chandler's Cellar: its rats fall on whoever first comes down, and the
// first bite is poisoned. Their paths lead behind the casks, where a snare
// guards the key to the strongbox in the Sealed Cellar. Finding the snare
// brings the key to light.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int32_t LooseItem = 5;
constexpr int64_t StrongboxKey = 21103;
// Set once the snare behind the casks is found.
constexpr const char* CounterCasksSnare = "chandlers_snare_found";
// The rat's bite: 1d2 poison once a round for three rounds.
constexpr int32_t PoisonDamageType = 9;
constexpr int32_t OnceARound = 7;
constexpr int32_t BiteRounds = 3;

class TScript_500116 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("For an instant your light catches something behind the broken casks along the far wall: "
                             "a glint of metal, too straight to be a rat's eye. Then the rats pour over it and it is "
                             "gone.");
        TScriptTarget bitten;
        bitten.Object = Cmd().PartyMember(0);
        if (bitten.Object) {
            Cmd().PrintParagraph("~<c:#FF8040>A rat as big as a cat drops from a beam onto " + bitten.GetName() +
                                 "'s shoulder and bites deep before it is flung off. The bite burns like a coal.");
            bitten.DamageByText(0, "1d2", OnceARound, BiteRounds, PoisonDamageType);
        }
        Cmd().PrintParagraph("~<c:YELLOW>The rats turn on you!");
        Cmd().CheckForCombat();
        return 1;
    }

    int32_t OnFindTraps() override
    {
        if (!FindTrap(SenderProxy, CounterCasksSnare,
                      "finds a snare of wire strung low behind the casks, where the rats' paths run, tied to a stack "
                      "of casks that would come down on whoever reached in. Past it, hung on a nail driven into the "
                      "mortar, is a heavy iron key."))
            return -1;
        Cmd().ShowContent(LooseItem, StrongboxKey, true);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500116()
{
    return std::make_unique<TScript_500116>();
}

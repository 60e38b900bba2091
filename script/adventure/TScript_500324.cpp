// The warmth of Marda's cinderwort tonic (the Mending state): a little mending
// each round, and word when it wears off.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int32_t Endurance = 30;
constexpr int32_t MendingEachRound = 2;
constexpr int32_t PhaseRound = 2;
constexpr int32_t PhaseEnd = 3;

class TScript_500324 : public TScriptObject {
public:
    int32_t OnMessage(int32_t phase) override
    {
        if (phase == PhaseRound) {
            SelfProxy.SetAttribute(Endurance, SelfProxy.GetAttribute(Endurance) + MendingEachRound, 0);
            Cmd().Print("~<c:LIME>The tonic's warmth mends " + SelfProxy.GetName() + ".");
        } else if (phase == PhaseEnd) {
            Cmd().Print("The warmth of the tonic fades from " + SelfProxy.GetName() + ".");
        }
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500324()
{
    return std::make_unique<TScript_500324>();
}

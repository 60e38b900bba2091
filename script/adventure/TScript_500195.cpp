// The Hunter's Lodge: a barred door and a fire, the one safe rest in the wood.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

// A night in the bunks heals everyone fully.
constexpr int32_t NightsRest = 1000;

class TScript_500195 : public TScriptObject {
public:
    int32_t OnRest() override
    {
        Cmd().RestParty(NightsRest);
        Cmd().PrintParagraph("~<c:LIME>You bar the door and sleep in the hunter's bunks, under pelts that smell of "
                             "smoke. Nothing comes near the lodge. The party rests.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500195()
{
    return std::make_unique<TScript_500195>();
}

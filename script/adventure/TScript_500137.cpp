// The rented room at the Banked Hearth: the one safe rest in Cindervale.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"

namespace {

// A night behind Marda's bolt heals everyone fully.
constexpr int32_t NightsRest = 1000;

class TScript_500137 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("Someone has turned down the blankets on all four beds and left a jug of water on the "
                             "washstand. Chalked on the inside of the door, in a big round hand: ~<i>BOLT IT. -M.~<>");
        return 1;
    }

    int32_t OnRest() override
    {
        Cmd().RestParty(NightsRest);
        Cmd().PrintParagraph("~<c:LIME>You shoot the bolt, bar the shutters and sleep the night through. Nothing "
                             "disturbs you but the creak of the inn sign. The party rests.");
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(InnPlace);
        Cmd().PrintParagraph("The bolt slides home behind you with a good, heavy sound.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500137()
{
    return std::make_unique<TScript_500137>();
}

// The Mayor's Hall.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/StoryFlags.h"

namespace {

class TScript_500112 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("Clerks look up from their ledgers as you come in, and look away again just as quickly.");
        return -1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(MayorsHallPlace);
        if (Cmd().GetCounter(CounterMayorHired) == 0)
            Cmd().Print("Mayor Harrowgate is waiting by the cold hearth. Talk to him.");
        return -1;
    }

    int32_t OnExit(int64_t) override
    {
        if (Cmd().GetCounter(CounterMayorHired) == 0)
            Cmd().PrintParagraph("~<i>\"Think on it,\"~<> the mayor calls after you. ~<i>\"But do not think too long.\"~<>");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500112()
{
    return std::make_unique<TScript_500112>();
}

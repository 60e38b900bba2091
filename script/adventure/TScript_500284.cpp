// Mara Thresh, a pilgrim chained in the cells for the altar: struck free once
// the champion is dead, she tells where the keys are kept and who helped her,
// and goes up to the refuge.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

constexpr TSpeaker Mara{"Mara Thresh", "#E0C090"};
constexpr int32_t PersonHere = 30;
constexpr int64_t MaraInChains = 40052;

class TScript_500284 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        Mara.Say("Get me out of these. Please. They take us one at a time, and nobody comes back.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "We'll get you loose.", "", [] { Free(); });
        cmd.AddChoice(0, "Goodbye.", "", [] { Mara.Say("Don't leave me here!"); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Free()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMaraFreed) > 0)
            return;
        cmd.ChangeCounter(CounterMaraFreed, true);
        cmd.PrintParagraph("The chain is old, and the staple in the wall older. Two blows knock it out of the stone.");
        Mara.Say("Ashara bless you. They took the others down to the chapel. The acolyte who kept the keys put them "
                 "in the locker in the quarters every night. And there's a boy in grey, Idris, who slipped me "
                 "water; he ran off and hid in the embalmers' room. I'm going up to the refuge. Old Oswy keeps it.");
        cmd.ShowContent(PersonHere, MaraInChains, false);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500284()
{
    return std::make_unique<TScript_500284>();
}

// Mother Hesk, a pilgrim of Ashara at the ruin of the goddess's first house:
// what the ruin was, and what shut its crypt; that sends the party to the
// mayor for the town's seal.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Hesk{"Mother Hesk", "#E6DCAA"};

class TScript_500170 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        Hesk.Say("Ashara's peace on you. Mind where you tread; this was her first house on the mountain.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What was this place?", "", [] {
            Hesk.Say("The first temple, before there was a town to build one in. The first sisters kept the "
                     "mountain's fire here, and buried their dead under the floor. When they went down into the "
                     "valley they sealed the crypt behind them, with a seal of bronze, and gave the seal to the town "
                     "they built. The mayors have kept it ever since.");
            AskForTheTownsSeal();
        });
        cmd.AddChoice(0, "Who else comes here?", "", [] {
            Hesk.Say("Hooded men, by night. They do not pray. I hide among the stones until they've gone. They "
                     "cannot open the doors, I think. They stand over them, and whisper, and go away again.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Hesk.Say("Go in her light."); });
        cmd.RunChoices(this);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500170()
{
    return std::make_unique<TScript_500170>();
}

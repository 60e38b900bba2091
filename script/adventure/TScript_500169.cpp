// Snikk, a goblin runt hiding in the midden, who surrenders: he tells the way
// through the warren and who pays the chief, and runs when he is let go.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Snikk{"Snikk", "#B4C864"};
constexpr int32_t PersonHere = 30;
constexpr int64_t SnikkInTheMidden = 40031;

class TScript_500169 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInDeeps();
        Snikk.Say("Snikk no fight! Snikk no fight! Snikk tell things, good things, yes?");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Tell us the way through the warren.", "", [] {
            Cmd().ChangeCounter(CounterSnikkTold, true);
            Snikk.Say("Bone way go down to shaman. Shaman bad, shaman throw fire-pots, shaman make bones talk. Forge "
                      "way go down to Gritjaw. Gritjaw big. Gritjaw drink red potion when Gritjaw hurt, then Gritjaw "
                      "fight more. Snikk not go there.");
        });
        cmd.AddChoice(0, "Who pays your chief?", "", [] {
            Snikk.Say("Hollow men. Hoods, no faces, shiny knives. They give Gritjaw gold, Gritjaw give them diggers' "
                      "heads. Gritjaw keep one hollow-man-enemy in hole behind hall. Why? Snikk not know. Snikk "
                      "small.");
            AskAfterTheCaptive();
        });
        cmd.AddChoice(0, "Go. Run, and don't come back.", "", [] {
            Snikk.Say("Snikk go! Snikk go far!");
            Cmd().PrintParagraph("The goblin is up the midden wall like a rat and gone.");
            Cmd().ShowContent(PersonHere, SnikkInTheMidden, false);
        });
        cmd.RunChoices(this);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500169()
{
    return std::make_unique<TScript_500169>();
}

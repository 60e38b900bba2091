// Dickon Fell, the shepherd's lad on the sheep walk: the tarn's trod up to the
// cairn, and what he saw go by it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Dickon{"Dickon Fell", "#B4C88C"};

class TScript_500175 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        Dickon.Say("Don't you go near my ewes. Who are you, then?");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Where does the trod go?", "", [] {
            Dickon.Say("Up to the black tarn, and on up to the cairn under the big peak. The quick way, if you've "
                       "the legs for it. I don't go past the tarn. Da says not to.");
        });
        cmd.AddChoice(0, "Seen anything strange?", "", [] {
            Dickon.Say("Lights going up past the tarn in the night. And once a man in a hood, in the day, washing "
                       "his hands in the tarn like they were burnt. He saw me and I ran.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Dickon.Say("Mind my ewes!"); });
        cmd.RunChoices(this);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500175()
{
    return std::make_unique<TScript_500175>();
}

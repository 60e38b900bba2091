// Nell Fairweather, the shift's lamp-girl: she gives the party the shift's
// last lamp, once.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Nell{"Nell Fairweather", "#A0D0E0"};
constexpr int64_t ShiftsLastLamp = 21211;
// Set when Nell has given the party the shift's last lamp.
constexpr const char* CounterNellsLamp = "nells_lamp_given";

class TScript_500163 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterNellsLamp) > 0) {
            Nell.Say("Bring it back lit, mind.");
            return 1;
        }
        cmd.ChangeCounter(CounterNellsLamp, true);
        Nell.Say("We put the lamps out one by one to save the oil. This is the last. There's oil in it still. You'll "
                 "want it more than we do, where you're going.");
        cmd.GiveItem(ShiftsLastLamp);
        cmd.PrintParagraph("~<c:LIME>Nell gives you a Lantern.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500163()
{
    return std::make_unique<TScript_500163>();
}

// The Desecrated Chapel: the Champion of Smoke keeps the altar the cult has
// turned to its own use.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500304 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheCrypt("Smoke rolls off the altar and pours along the floor instead of rising. Out of it steps a "
                        "champion in soot-black mail, blade already drawn, and an acolyte with a sickle follows. "
                        "\"The sisters are dust,\" the champion says. \"Their altar is ours.\"",
                        "The Champion of Smoke attacks!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500304()
{
    return std::make_unique<TScript_500304>();
}

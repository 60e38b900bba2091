// The Cells: the Champion of Ash guards the pilgrims the cult keeps for its
// altar, with an acolyte who carries the keys.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500301 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheCrypt("A woman in chains cries out as you come in. A tall figure in ash-grey mail turns from the "
                        "cell doors, and draws a blade that glows dull red along its edge; an acolyte scrambles up "
                        "behind it with a sickle. \"More for the altar,\" says the champion.",
                        "The Champion of Ash attacks!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500301()
{
    return std::make_unique<TScript_500301>();
}

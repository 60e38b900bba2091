// The Champions' Hall: the last of the cult's champions keeps the stair down to
// the Heart.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500305 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheCrypt("Before the stair at the far end, on the empty plinth, a champion in mail that glows like a "
                        "forge at dusk sits with her blade across her knees. She stands as you come in. \"Nobody goes "
                        "down to the Heart,\" she says, \"but the Flame.\"",
                        "The Champion of Embers attacks!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500305()
{
    return std::make_unique<TScript_500305>();
}

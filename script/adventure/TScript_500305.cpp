// The Champions' Hall: the last of the cult's champions, and a bone warden
// the cult has bound to the hall, keep the stair down to the Heart.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500305 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheCrypt("Stone guardians line the hall, swords grounded. One of them is not stone: it steps down "
                        "from its plinth in bone and rusted mail. Before the stair at the far end waits a champion "
                        "in mail that glows like a forge at dusk. \"Nobody goes down to the Heart,\" she says, \"but "
                        "the Flame.\"",
                        "The Champion of Embers attacks!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500305()
{
    return std::make_unique<TScript_500305>();
}

// The High Priest's Tomb: Aurelan's sarcophagus, locked since the sisters
// sealed the crypt.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500306 : public TCryptRest {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInCrypt();
        Cmd().PrintParagraph("The cult has not been in here. The dust on the floor is whole, and the sarcophagus in "
                             "the middle of the round tomb is shut and locked, a sun carved on its lid with its rays "
                             "worn smooth by the hands of pilgrims long dead.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500306()
{
    return std::make_unique<TScript_500306>();
}

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
        Cmd().PrintParagraph("Nobody has touched the sarcophagus since the sisters closed it. Its lock is a brass "
                             "sun set in the stone at its foot, with the keyhole at the sun's heart, and the rays "
                             "carved round the lid are worn smooth by the hands of pilgrims long dead.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500306()
{
    return std::make_unique<TScript_500306>();
}

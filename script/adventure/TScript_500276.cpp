// The Pilgrim's Shell, from the embalmer's chest: a scallop shell on a cord,
// carried down the mountain by a thousand pilgrims.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500276 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        IdentifyRelic(this, "knows the shell: the token the sisters gave pilgrims who came to the mountain, each "
                            "blessed at the font. This one is old and worn smooth, and the blessing is still in "
                            "it. Its wearer walks farther and shrugs off poison.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500276()
{
    return std::make_unique<TScript_500276>();
}

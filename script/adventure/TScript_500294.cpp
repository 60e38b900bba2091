// The Censer of the Sisters, from the embalmer's chest: its smoke draws
// poison out of the living.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500294 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        IdentifyRelic(this, "rubs the soot off the censer and finds Ashara's sun worked in the brass. The sisters "
                            "swung it over the sick and the bitten; a pinch of its old resin still lies in the bowl, "
                            "enough for three swings, and its smoke draws poison out of the blood.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500294()
{
    return std::make_unique<TScript_500294>();
}

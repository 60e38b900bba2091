// The Ring of the Sisters, from the sisters' crypt: a plain silver ring until
// someone reads the words inside it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500273 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        IdentifyRelic(this, "turns the plain silver ring to the light and finds words inside the band: ~<i>Sun over "
                            "me, fire under me, I walk between.~<> It is a sister's ring of Ashara. It keeps the "
                            "heat of fire from its wearer and steadies a prayer.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500273()
{
    return std::make_unique<TScript_500273>();
}

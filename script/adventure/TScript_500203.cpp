// The Raiders' Camp: where the war-band that raids Cindervale sleeps between
// raids; three nights in four it comes home.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500203 : public TDeepsPlace {
public:
    int32_t OnEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("The raiders' fire is banked, not out. Whoever sleeps here means to come back tonight.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500203()
{
    return std::make_unique<TScript_500203>();
}

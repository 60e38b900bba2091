// Lantern Street: the lamplighters' street, dark for a month.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500102 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("~<i>Not one lamp is lit.~<> The iron posts stand in a row down the street, their glass "
                             "sooty and cold, and the shutters of the lamplighters' guild are nailed shut.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500102()
{
    return std::make_unique<TScript_500102>();
}

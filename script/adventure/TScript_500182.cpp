// The Webbed Thicket: one spider keeps the way to the nest.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500182 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, WebbedThicketPlace);
        Cmd().PrintParagraph("~<c:YELLOW>The spider comes at you!");
        Cmd().CheckForCombat();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500182()
{
    return std::make_unique<TScript_500182>();
}

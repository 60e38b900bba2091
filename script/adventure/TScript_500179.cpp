// The Blighted Path: the first sign of the grove's sickness.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500179 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, BlightedPathPlace);
        Cmd().PrintParagraph("You break a brown frond and it is warm inside, like a loaf from the oven. A smell of "
                             "hot metal hangs under the smell of rot.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500179()
{
    return std::make_unique<TScript_500179>();
}

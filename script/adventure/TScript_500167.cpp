// The Narrowing Road, above the wolves' hollow.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500167 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, NarrowingRoadPlace);
        Cmd().PrintParagraph("Far off to the south a wolf howls, and another answers it, closer. Then, thin and "
                             "cracked, a human voice shouts something you cannot make out, and stops.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500167()
{
    return std::make_unique<TScript_500167>();
}

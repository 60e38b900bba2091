// The Valley Road: the first mile of the Whisperwood.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500159 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, ValleyRoadPlace);
        Cmd().PrintParagraph("A jay screams somewhere ahead and the whole wood goes still. When the birds start "
                             "again they start further off, as if they had moved away from the road.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500159()
{
    return std::make_unique<TScript_500159>();
}

// The Broken Ladderway: the lower flights have fallen, and the way down to
// the seventh gallery is a drop with no way back up.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500204 : public TScriptObject {
public:
    int32_t OnExit(int64_t destination) override
    {
        if (destination != SeventhGallery)
            return -1;
        Cmd().PrintParagraph("~<c:YELLOW>You climb down the last whole flight, hang from the bottom rung and let "
                             "go. The drop is longer than it looked. When the last of you is down, the ladder above "
                             "comes away from its pins and crashes down after you. There is no going back up that "
                             "way.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500204()
{
    return std::make_unique<TScript_500204>();
}

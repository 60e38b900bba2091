// The Postern Passage: the mine's plan hangs by the clerks' door.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"

namespace {

class TScript_500221 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("By the door of the lamp room hangs the plan of the mines, drawn in red ink on oiled "
                             "linen: the lift, the galleries one under another, the old shaft. You take it down.");
        ShowMap(MinesMapPicture, PosternPassagePlace);
        Cmd().PrintParagraph("~<c:LIME>The plan of the mines is on the map tab.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500221()
{
    return std::make_unique<TScript_500221>();
}

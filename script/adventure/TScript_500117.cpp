// Ashen Lane: the old quarter, half its houses empty.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500117 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("Somewhere along the lane a shutter bangs, and a man's voice says, quite clearly, "
                             "~<i>\"Not yet.\"~<> Then nothing, however long you stand and listen.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500117()
{
    return std::make_unique<TScript_500117>();
}

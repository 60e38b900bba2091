// The bunkhouse lockers: the shift's few things, and a dead man's wages.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500134 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("Most of the lockers hold a coat, a clean shirt for the walk home and not much else. "
                             "In one, under a shirt, a few coins are knotted into a rag with a draught, the kind a "
                             "mother packs.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500134()
{
    return std::make_unique<TScript_500134>();
}

// The Well Court: the capped well and its cinderwort.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500119 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("The padlock on the well grille is new and freshly oiled, though nobody in the old quarter "
                             "draws water here any more. From far down the shaft comes the drip of water and, once, a "
                             "thin squeal.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500119()
{
    return std::make_unique<TScript_500119>();
}

// The coal bunker of the winding-house, where the goblins buried the handle
// of the lift lever.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500133 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("A hand's depth down in the coal, where it has been pushed out of sight, is a length "
                             "of polished hickory shod with iron: the handle of the lift lever.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500133()
{
    return std::make_unique<TScript_500133>();
}

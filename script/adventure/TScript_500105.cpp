// Gate Street: the emptied shops between the gate and the square.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500105 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("Behind the shutters of the money-changer's house a child is counting aloud, slowly, up "
                             "to thirty-one. Then a pause, and the counting starts again from one.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500105()
{
    return std::make_unique<TScript_500105>();
}

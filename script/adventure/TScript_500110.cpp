// Hall Street: the guild-masters' houses, in mourning.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500110 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("A door opens as you pass, and a woman in black ties one more ribbon to the knocker of the "
                             "assayers' house. She smooths it flat with great care and goes back inside without "
                             "looking at you.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500110()
{
    return std::make_unique<TScript_500110>();
}

// The Split Oak, where the hunter's son sits out the wolves.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500173 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, SplitOakPlace);
        Cmd().PrintParagraph("~<c:#90D070>Boy in the oak:~<> ~<i>\"Who are you? Are you real? Tell me you've got "
                             "bread.\"~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500173()
{
    return std::make_unique<TScript_500173>();
}

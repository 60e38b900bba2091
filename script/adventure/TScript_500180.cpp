// The Druid's Grove: Mother Sorrel by her spring.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500180 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, DruidsGrovePlace);
        Cmd().PrintParagraph("The woman does not look round. ~<i>\"Three of seven,\"~<> she says to the water. "
                             "~<i>\"By midsummer it will be all of them.\"~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500180()
{
    return std::make_unique<TScript_500180>();
}

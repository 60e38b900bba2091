// The Burnt Waggon: the first sign that the goblins came up out of the mines.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500214 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, BurntWaggonPlace);
        Cmd().PrintParagraph("You work one of the arrows loose. Its head is knapped from black stone, and it is "
                             "smeared with something that stinks. Nobody in the wood makes arrows like this. These "
                             "came up out of the mountain.");
        Cmd().AddJournalEntry("j_burnt_waggon", "j_burnt_waggon.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500214()
{
    return std::make_unique<TScript_500214>();
}

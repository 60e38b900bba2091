// The shepherds' Summer Hut: turf walls, a fire and the shepherds' dogs; nine
// nights in ten pass quietly.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500229 : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestOnTheSlopes(this);
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnMap(SlopesMapPicture, SummerHutPlace);
        Cmd().PrintParagraph("A peat fire smokes in the hut, and two black-and-white dogs watch you from the "
                             "doorway without getting up. A good place to sleep.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500229()
{
    return std::make_unique<TScript_500229>();
}

// The Old Temple's Ruin: Ashara's first house on the mountain, and the stair
// behind its altar down to the crypt the sisters sealed with the town's seal;
// once the mayor has handed the seal over, the party goes down with it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500265 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(SlopesMapPicture, TempleRuinPlace);
        if (Cmd().GetCounter(CounterSealGiven) > 0)
            Cmd().PrintParagraph("The Mayor's Seal is heavy in your pack. Behind the altar the stair goes down under "
                                 "the ruin, into the dark, to the doors the sisters sealed with it.");
        else
            Cmd().PrintParagraph("Behind the altar a stair goes down under the ruin. The ash on its steps is trodden "
                                 "into paths by many feet, all of them going down, and from below comes a breath of "
                                 "old smoke.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500265()
{
    return std::make_unique<TScript_500265>();
}

// The Old Temple's Ruin: Ashara's first house on the mountain, and the bronze
// doors in its floor, shut on the crypt until the mayor's seal opens them.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500265 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        MarkPartyOnMap(SlopesMapPicture, TempleRuinPlace);
        if (Cmd().GetCounter(CounterCryptDoorsOpen) > 0)
            Cmd().PrintParagraph("The bronze doors in the floor stand open, and stairs lead down under the ruin into "
                                 "the dark. A cold breath comes up them that smells of old smoke.");
        else
            Cmd().PrintParagraph("In the floor of the nave lie two doors of green bronze, flush with the flags and "
                                 "shut. Where they meet is a round socket the size of a palm, with a flame cut in "
                                 "it, burning upward.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500265()
{
    return std::make_unique<TScript_500265>();
}

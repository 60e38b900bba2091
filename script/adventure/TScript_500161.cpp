// The Troll Bridge Approach: nobody crosses while the troll under the arch
// lives.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int64_t FarSide = 1113;

class TScript_500161 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, BridgeApproachPlace);
        Cmd().PrintParagraph("Among the dropped things lies a pick-handle with a name burned into it: ~<i>HARROWGATE~<>. "
                             "The mayor's son came this way with the fourth shift, and did not stop to pick it up.");
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, BridgeApproachPlace);
        Cmd().PrintParagraph(TrollHoldsTheBridge()
                                 ? "From under the arch comes a slow grinding, like a millstone turning: something "
                                   "big, chewing."
                                 : "Under the arch there is only the sound of the water now.");
        return -1;
    }

    int32_t OnExit(int64_t destination) override
    {
        if (destination != FarSide || !TrollHoldsTheBridge())
            return -1;
        Cmd().PrintParagraph("You are three steps onto the bridge when a grey hand the size of a cart wheel comes up "
                             "over the parapet and slaps the stones in front of you. From below, a voice like gravel: "
                             "~<i>\"Toll.\"~<> You back off the bridge. Nobody crosses while the troll lives.");
        return 0;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500161()
{
    return std::make_unique<TScript_500161>();
}

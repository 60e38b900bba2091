// The Waymarker: the stone where the road enters the deep wood, which keeps a
// record of the road's news.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500156 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, WaymarkerPlace);
        Cmd().PrintParagraph("At the foot of the stone lie offerings: a crust, a copper, a twist of ember-ore gone grey. "
                             "Travellers asking the wood for a safe road. Most of them are a month old.");
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnMap(WoodMapPicture, WaymarkerPlace);
        if (!TrollHoldsTheBridge())
            Cmd().PrintParagraph("Someone has scored a line through the word ~<i>TROLL~<> on the waymarker.");
        else if (Cmd().GetCounter(CounterSonQuest) > 0 && Cmd().GetCounter(CounterSonJoined) == 0)
            Cmd().PrintParagraph("A fresh blaze is cut into the bark of the beech behind the stone, at a boy's "
                                 "height: an arrow, pointing east along the road.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500156()
{
    return std::make_unique<TScript_500156>();
}

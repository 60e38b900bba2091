// The heart chamber: the heart burns and its guardian rises while it lives; once
// the guardian falls the heart is a cracked coal with its shard in the ash, and
// once the shard is reforged, a cold stone.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500207 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterHeartEnded) > 0) {
            MarkPartyInHeart();
            cmd.PrintParagraph("The Ember Heart is a black stone the size of a cart, cold to the touch, with a crack "
                               "across it. The beat has stopped. It is only rock now.");
        } else if (cmd.GetCounter(CounterGuardianDead) > 0) {
            MarkPartyInHeart();
            cmd.PrintParagraph("The heart has gone dark but for a slow red pulse deep in its cracks, and the chamber "
                               "is cooling, ticking like an oven after the bread is out.");
        } else {
            FightOnEntry(HeartChamberPlace,
                         "The Ember Heart fills the middle of the chamber: a coal the size of a cart, beating, "
                         "every beat a wash of red light over the walls. The heap of slag before it stands up. It "
                         "is shaped like a man three times your height, and the heart's fire shows through the "
                         "cracks in it.",
                         "The guardian of the heart rises!", HeartMapPicture);
        }
        return 1;
    }

    int32_t OnExit(int64_t destination) override
    {
        (void)destination;
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterGuardianDead) > 0 && cmd.GetCounter(CounterHeartEnded) == 0 &&
            !PartyHasItem(EmberShard) && !PartyHasItem(WhiteHotShard))
            cmd.PrintParagraph("~<c:YELLOW>Behind you, in the ash at the heart's foot, something still glows.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500207()
{
    return std::make_unique<TScript_500207>();
}

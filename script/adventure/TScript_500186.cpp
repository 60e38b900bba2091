// The great bellows of the deep forge: dead while the heart burns; once the
// guardian is down they wake the forge, and the shard laid in it turns
// white-hot, ready for the anvil.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500186 : public TScriptObject {
public:
    int32_t OnUse() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInHeart();
        if (cmd.GetCounter(CounterHeartEnded) > 0) {
            cmd.PrintParagraph("The bellows sigh, and the forge answers with a steady, ordinary glow. It will want "
                               "a smith again, one day.");
        } else if (cmd.GetCounter(CounterGuardianDead) == 0) {
            cmd.PrintParagraph(SenderProxy.GetName() + " heaves at the bellows. They breathe into the forge and "
                               "nothing catches: the coals stay grey, as if some greater fire below were drinking "
                               "every spark.");
        } else if (TakeFromParty(EmberShard)) {
            cmd.PrintParagraph("You lay the ember shard in the cold coals, and " + SenderProxy.GetName() + " works "
                               "the bellows. The great leather lungs breathe, and breathe, and the coals catch round "
                               "the shard and roar, and the shard drinks the blast and goes from red to yellow to a "
                               "white you cannot look at. With the dwarves' long tongs you draw it out. It is ready "
                               "for the anvil.");
            cmd.GiveItem(WhiteHotShard);
        } else {
            cmd.PrintParagraph("The bellows breathe, the coals catch and roar up white, and the forge stands ready. "
                               "It wants something to work.");
        }
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500186()
{
    return std::make_unique<TScript_500186>();
}

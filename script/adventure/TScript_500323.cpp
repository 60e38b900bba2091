// The white-hot shard struck on the deep forge's anvil: the Ember Heart ends,
// the ore of Cindervale lives again, and every quest still open is done. The
// party stays at the forge, free to go where it likes.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

constexpr int32_t EndingBonus = 500;

class TScript_500323 : public TScriptObject {
public:
    int32_t OnUseWith() override
    {
        TScriptCmd& cmd = Cmd();
        if (TargetProxy.GetTemplateId() != DeepForgeTemplate)
            return -1;
        SenderProxy.TakeItem(SelfProxy.GetId());
        cmd.ChangeCounter(CounterHeartEnded, true);
        cmd.PrintParagraph(SenderProxy.GetName() + " lays the white-hot shard on the anvil of the deep forge and "
                           "takes up the last smith's hammer. The first blow rings through the whole mountain.");
        ShowSingleChoice("Continue...", this);
        cmd.PrintParagraph("Blow by blow the shard gives up its shape. It flattens, and folds, and its light runs "
                           "out of it into the anvil, into the forge, into the stone of the floor, and away down "
                           "every crack and seam of the mountain like water finding its level. Far below, the heart "
                           "beats once more, slowly, and is still.");
        ShowSingleChoice("Continue...", this);
        cmd.PrintParagraph("When the hammer falls for the last time there is a plain bar of red ember-steel on the "
                           "anvil, cooling, and the forge burns low and even beside it, a forge like any other. The "
                           "double beat in the rock is gone. What the Heart took, the Forge has given back.");
        ShowSingleChoice("Continue...", this);
        cmd.CutScene("Embers under Cindervale", true, "ending.txt");
        cmd.AwardExperience(EndingBonus);
        cmd.PrintParagraph("~<c:LIME>The party gains " + std::to_string(EndingBonus) + " experience for ending the "
                           "Ember Heart.");
        CloseEveryOpenQuest();
        cmd.AddJournalEntry("j_ending", "j_ending.txt");
        cmd.PrintParagraph("~<c:AQUA>The Ember Heart is ended. The deep workings are yours to walk, and the long "
                           "road home to Cindervale.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500323()
{
    return std::make_unique<TScript_500323>();
}

// The cinder stair: the party's first steps into the deep workings, where the
// heart's quest opens and the party starts its map.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500308 : public THeartRest {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        ShowMap(HeartMapPicture, CinderStairPlace);
        cmd.PrintParagraph("The air grows warmer with every step, and then hot, and the stone under your hand is warm "
                           "as a sleeping animal. From far below comes a sound you feel in your teeth more than hear: "
                           "a slow double beat, like a heart.");
        cmd.AddJournalEntry("j_heart_reached", "j_heart_reached.txt");
        OpenTheHeartQuest();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500308()
{
    return std::make_unique<TScript_500308>();
}

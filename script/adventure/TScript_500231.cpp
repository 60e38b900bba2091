// The Shaft Head: out of the goblins' shaft into the wind. The party starts a
// map of the slopes, and the hunt for the cairn of the cult's sigil begins.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500231 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        ShowMap(SlopesMapPicture, ShaftHeadPlace);
        cmd.PrintParagraph("You haul yourselves out of the hole one by one and lie in the heather like landed fish. "
                           "Wind. Sky. Sheep-bells somewhere. Above you the Ashfang goes up in heather, then scree, "
                           "then black rock, to a ridge of peaks with cloud caught on them.");
        cmd.PrintParagraph("~<c:LIME>You begin a map of the slopes on the back of the deeps' map. It is on the map "
                           "tab.");
        cmd.AddJournalEntry("j_slopes", "j_slopes.txt");
        cmd.AddQuest(QuestFindTheCairn, "j_find_the_cairn.txt");
        ClearQuestGoalOnMap(DeepsMapPicture, QuestHollowFlame);
        MarkQuestGoalOnMap(SlopesMapPicture, QuestFindTheCairn, RidgePathPlace);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500231()
{
    return std::make_unique<TScript_500231>();
}

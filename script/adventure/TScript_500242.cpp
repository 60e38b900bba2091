// The Cairn under the Third Peak: the cairn of the cult's sigil. Behind it a
// cleft leads into the ruin of Ashara's first house, found the first time the
// party stands here.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500242 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyOnMap(SlopesMapPicture, ThirdCairnPlace);
        cmd.PrintParagraph("Five peaks in a row, a cairn under the third. The stones of the cairn are old and "
                           "lichened, but round its foot the turf is trodden bare, and a path of trodden grass goes "
                           "past it and into the rock behind. There is a cleft there, hidden from the ridge by the "
                           "cairn itself, and through it you can see cut stone: a wall, and an arch with no roof.");
        cmd.ChangeCounter(CounterCairnFound, true);
        cmd.ShowExit(ThirdCairn, TempleRuin, true);
        cmd.PrintParagraph("~<c:YELLOW>You have found the cairn under the third peak. A cleft behind it leads in.");
        cmd.AddJournalEntry("j_cairn_found", "j_cairn_found.txt");
        cmd.CompleteQuest(QuestFindTheCairn);
        ClearQuestGoalOnMap(SlopesMapPicture, QuestFindTheCairn);
        MarkQuestGoalOnMap(SlopesMapPicture, QuestHollowFlame, TempleRuinPlace);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500242()
{
    return std::make_unique<TScript_500242>();
}

// Garrick Harrowgate, foreman of the fourth shift and the mayor's son: told
// that his father sent the party, he pulls the props and leads his miners home
// by the crawl-way. The mayor's quest is done.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Garrick{"Garrick Harrowgate", "#E0C070"};
constexpr int32_t PersonHere = 30;
constexpr int64_t FourthShift[] = {40021, 40022, 40023, 40024};
constexpr int32_t FreedAward = 400;

class TScript_500162 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMinersFreed) > 0) {
            Garrick.Say("Go carefully down there.");
            return 1;
        }
        Garrick.Say("A month. We counted the days by the lamp-oil, and then by nothing.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What came up out of the deep?", "1", [] {
            Garrick.Say("We broke into an old working under the ninth gallery. Hot as a forge, and the ore in it grey. "
                        "Three days later the goblins came up through the floor of it. They'd dug up to meet us. "
                        "They knew we were there.");
        });
        cmd.AddChoice(0, "Your father sent us. You can come out now.", "", [] { GoHome(); });
        cmd.AddChoice(1, "Your father sent us. You can come out now.", "", [] { GoHome(); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void GoHome()
    {
        TScriptCmd& cmd = Cmd();
        Garrick.Say("My father. Of course he did. Ashara keep him, he never could leave a thing alone.");
        Garrick.Say("Not by the ladderway, then. There's a crawl-way behind the props, through the warm cave to the "
                    "flooded gallery and the old shaft. We shored it up when the beetles came. We'll take our "
                    "chances with beetles now. Go carefully below; that hole in the old working goes down a long "
                    "way.");
        cmd.ChangeCounter(CounterMinersFreed, true);
        cmd.ShowExit(ShoredGallery, BeetleCave, true);
        cmd.ShowExit(BeetleCave, ShoredGallery, true);
        for (const int64_t miner : FourthShift)
            cmd.ShowContent(PersonHere, miner, false);
        cmd.PrintParagraph("~<c:YELLOW>The miners knock out the wedges behind the props and go, one by one, into "
                           "the crawl-way, the big hewer carrying the old timberman on his back. Garrick goes last. "
                           "At the mouth of the crawl-way he looks back once, and lifts his pick to you.");
        cmd.CompleteQuest("j_mines");
        ClearQuestGoal("j_mines");
        ClearQuestGoalOnMap(WoodMapPicture, "j_mines");
        ClearQuestGoalOnMap(MinesMapPicture, "j_mines");
        cmd.AddJournalEntry("j_miners_freed", "j_miners_freed.txt");
        cmd.AwardExperience(FreedAward);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500162()
{
    return std::make_unique<TScript_500162>();
}

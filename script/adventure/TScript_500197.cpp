// Brother Perrin, the chief's prisoner: what the Hollow Flame paid the goblins
// for, what it wants under the mountain, and the goblins' back way out to the
// slopes, told once.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Perrin{"Brother Perrin", "#D8D0F0"};

class TScript_500197 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInDeeps();
        const bool told = cmd.GetCounter(CounterCultRevealed) > 0;
        Perrin.Say(told ? "Go after them. Up the crawl behind the hoard, and out onto the slopes."
                        : "You're not goblins. Ashara be thanked, you're not goblins.");
        cmd.BeginChoices();
        if (!told)
            cmd.AddChoice(0, "Who are you?", "1", [] {
                Perrin.Say("Perrin. A lay brother of Ashara's temple in Cindervale. Sister Ysolde sent me after the "
                           "hooded men who painted that sign on Slag Row, the flame burning downwards. I followed "
                           "them up the mine road and down into the dark. The goblins caught me at the bottom. The "
                           "men in hoods walked past me as if I were a sack.");
            });
        cmd.AddChoice(0, "Goodbye.", "", [] { Perrin.Say("Ashara light your road."); });
        cmd.AddChoice(1, "The men in hoods?", "", [] { Reveal(); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Reveal()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterCultRevealed) > 0)
            return;
        Perrin.Say("The Hollow Flame, they call themselves. They came to the chief twice while I lay chained in his "
                   "hall, and they paid him: gold, and blades of ember-steel. For that he broke into the mine from "
                   "below, and he keeps the miners from the deep workings. They want what lies under the mountain. "
                   "They called it the Ember Heart. It is waking, they said, and when it wakes the ore will burn for "
                   "them and for nobody else. That is why the forges of Cindervale have gone cold.");
        Perrin.Say("They did not go back through the mine. The goblins have a crawl behind the chief's hoard that "
                   "comes up to daylight on the Ashfang Slopes, and the hooded men used it. They spoke of a door on "
                   "the slopes, hidden, that goes down into an old crypt, and from the crypt to the Heart. I will go "
                   "up through the mine with the miners and tell the temple. You go after them.");
        cmd.ChangeCounter(CounterCultRevealed, true);
        if (cmd.GetCounter(CounterCaptiveQuest) == 0) {
            cmd.ChangeCounter(CounterCaptiveQuest, true);
            cmd.AddQuest(QuestCaptive, "j_deeps_captive.txt");
        }
        cmd.CompleteQuest(QuestCaptive);
        ClearQuestGoalOnMap(DeepsMapPicture, QuestCaptive);
        cmd.AddJournalEntry("j_hollow_flame", "j_hollow_flame.txt");
        cmd.AddQuest(QuestHollowFlame, "j_after_the_flame.txt");
        MarkQuestGoalOnMap(DeepsMapPicture, QuestHollowFlame, DaylightShaftPlace);
        cmd.ShowExit(ChiefsHoard, WindyCrawl, true);
        cmd.PrintParagraph("~<c:YELLOW>Brother Perrin has told you of the Hollow Flame. The crawl behind the chief's "
                           "hoard is open to you now.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500197()
{
    return std::make_unique<TScript_500197>();
}

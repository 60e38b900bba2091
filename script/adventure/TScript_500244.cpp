// Old Anselm, the hermit of the spur: his riddle for the party, as often as it
// likes to try. The right answer is the thing the party has chased up out of
// the deeps; it earns his sprig of mountain ash and the way to the cairn,
// ringed on the party's map while the cairn is still to be found.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Anselm{"Old Anselm", "#C8B478"};
constexpr int32_t RiddleExperience = 300;

class TScript_500244 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyOnMap(SlopesMapPicture, HermitsCellPlace);
        if (cmd.GetCounter(CounterRiddleSolved) > 0) {
            Anselm.Say("Under the third peak, counted from the sunset side. Mind the wolves on the ridge.");
            return 1;
        }
        Anselm.Say(cmd.GetCounter(CounterRiddleAsked) > 0
                       ? "Back again? Have you an answer for me this time?"
                       : "Visitors! Sit, sit. Nobody climbs up here for my beans. Forty years I've sat on this spur, "
                         "and I know every stone of the mountain. I'll tell you what you came to ask, too, but a "
                         "hermit has to be paid in something, and I take my pay in riddles.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Ask your riddle.", "1,2,3,4", [] { Ask(); });
        cmd.AddChoice(0, "Another time.", "", [] { Anselm.Say("I'll be here. I'm always here."); });
        cmd.AddChoice(1, "A forge gone cold.", "", [] { Wrong(); });
        cmd.AddChoice(2, "The Ember Lamp in the square.", "", [] { Wrong(); });
        cmd.AddChoice(3, "The Hollow Flame.", "", [] { Right(); });
        cmd.AddChoice(4, "We must think on it.", "", [] {
            Anselm.Say("Think, then. Think on what you have seen painted on walls, and carried off a goblin's hoard.");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Ask()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterRiddleAsked) == 0) {
            cmd.ChangeCounter(CounterRiddleAsked, true);
            cmd.AddQuest(QuestHermitsRiddle, "j_hermits_riddle.txt");
        }
        Anselm.Say("Listen, then. I burn, and my heart is empty. I bow my head to the ground and call it "
                   "climbing. I warm no hearth, and every forge in the valley has gone cold for me. What am I?");
    }

    static void Wrong()
    {
        Anselm.Say("No. No, that's not it. A fair guess, but that isn't it. Look harder at what you carry, and come "
                   "and try me again.");
    }

    static void Right()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterRiddleSolved, true);
        Anselm.Say("The Hollow Flame. The fire that burns downward. Yes. I've watched their lamps go up past my "
                   "spur by night since the spring, to the cairn under the third peak, counted from the sunset side: "
                   "up through the wind gap, onto the ridge, and west. There's a cleft behind the cairn, and the old "
                   "temple behind that, Ashara's first house. Take this for your trouble. It grows on my ledge and "
                   "nowhere else.");
        cmd.GiveItem(SprigOfMountainAsh);
        cmd.PrintParagraph("~<c:LIME>Old Anselm gives you a Sprig of Mountain Ash.");
        cmd.AwardExperience(RiddleExperience);
        cmd.CompleteQuest(QuestHermitsRiddle);
        cmd.AddJournalEntry("j_riddle_answered", "j_riddle_answered.txt");
        if (cmd.GetCounter(CounterCairnFound) == 0) {
            ClearQuestGoalOnMap(SlopesMapPicture, QuestFindTheCairn);
            MarkQuestGoalOnMap(SlopesMapPicture, QuestFindTheCairn, ThirdCairnPlace);
        }
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500244()
{
    return std::make_unique<TScript_500244>();
}

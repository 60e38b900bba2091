// Brannoc the Smith: what he saw at the mine-head on the night of the first
// raid, the hammer he left behind there, and the hammer brought back.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int32_t HammerReward = 40;

class TScript_500130 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        const bool asked = cmd.GetCounter(CounterHammerQuest) > 0;
        const bool returned = cmd.GetCounter(CounterHammerReturned) > 0;
        const bool brought = asked && !returned && PartyHasItem(BrannocsHammer);
        Brannoc.Say(returned  ? "Back again? Carry that hammer well."
                    : brought ? "That weight on your belt. Is that what I think it is?"
                    : asked   ? "Back again. No hammer, I see. Well?"
                              : "Well? Say it, whatever it is. I'm busy.");
        cmd.BeginChoices();
        if (brought)
            cmd.AddChoice(0, "We found your hammer.", "", [] { ReturnHammer(); });
        cmd.AddChoice(0, "What happened to the ember-ore?", "1", [] {
            Brannoc.Say("Went grey the same night the fourth shift went quiet. Every stone in town, all at once, like "
                        "a candle pinched out. Ore doesn't do that. Something did it to the ore.");
        });
        cmd.AddChoice(0, "We'd like to see your wares.", "", [] {
            Brannoc.Say("Counter's through the door. Plain work at honest prices, and none of it ember-steel any "
                        "more, so don't ask.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Brannoc.Say("Mind the slag on your way out."); });
        cmd.AddChoice(1, "How do you know it happened at once?", "2,3", [] {
            Brannoc.Say("Because I was up at the mine-head the night of the first raid, with a cart of tools for the "
                        "rescue. The ore in the bins went out while I watched. Then goblins came boiling up out of "
                        "the lift shaft, and I ran. Left the cart, the tools, and my hammer with them. And above the "
                        "mine, high on the slope, there were lights moving. Too steady for goblin torches.");
        });
        if (!asked) {
            cmd.AddChoice(2, "We'll look out for your hammer.", "", [] { AskForHammer(); });
            cmd.AddChoice(3, "That was bad luck.", "", [] {
                Brannoc.Say("Luck had nothing to do with it. Forty years that hammer was in my hand.");
            });
        }
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void AskForHammer()
    {
        Cmd().ChangeCounter(CounterHammerQuest, true);
        Brannoc.Say("Would you? Ember-steel, with my mark on the head: an anvil under a flame. You'll know it by the "
                    "weight. Bring it back and I'll make it worth the trouble.");
        Cmd().AddQuest("q_smiths_hammer", "q_smiths_hammer.txt");
        Brannoc.Say("Holt's watch went up the mine road the morning after. Ask at the Hall what they brought back.");
        MarkQuestGoal("q_smiths_hammer", MayorsHallPlace);
    }

    // He lets the party carry it into the mines: ember-steel is no use to him while the ore is dead.
    static void ReturnHammer()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterHammerReturned, true);
        Brannoc.Say("My mark. My hammer. Forty years... Keep it. It's no use to me while the ore's dead, and down in "
                    "those mines it may wake before I do. Bring it home with the fire back in it.");
        cmd.SetGold(cmd.GetGold() + HammerReward);
        cmd.PrintParagraph("~<c:LIME>Brannoc pays you " + std::to_string(HammerReward) + " crowns for your trouble.");
        cmd.CompleteQuest("q_smiths_hammer");
        cmd.AddJournalEntry("j_hammer_returned", "j_hammer_returned.txt");
        ClearQuestGoal("q_smiths_hammer");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500130()
{
    return std::make_unique<TScript_500130>();
}

// Ennis Cole, a trammer of the fourth shift, in the goblins' pens: cut loose,
// the miners go back up through the breach, and he tells of the chief's
// prisoner.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Ennis{"Ennis Cole", "#C8B48C"};
constexpr int32_t PersonHere = 30;
constexpr int64_t EnnisInThePens = 40030;
constexpr int64_t EnnisDraught = 21311;
constexpr int32_t Rescue = 150;

class TScript_500168 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInDeeps();
        Ennis.Say("Cut the lashings. Quick, before the guards come back with the slops.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "We'll cut you loose.", "", [] { Free(); });
        cmd.AddChoice(0, "How did you come here?", "", [] {
            Ennis.Say("They took us the first night, six of us, out of the ninth gallery. The rest of the shift got "
                      "behind the pit-props. We've been carrying their ore ever since, up to that forge of theirs. "
                      "Ore that's gone cold. Don't ask me why they want it.");
        });
        cmd.AddChoice(0, "Wait a little longer.", "", [] { Ennis.Say("A little longer. Aye. We're good at that."); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Free()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterPensFreed, true);
        cmd.PrintParagraph("You saw through the rawhide lashings. Five men and a woman climb out of the pens, stiff "
                           "as old rope.");
        Ennis.Say("Ashara bless you. We'll go up the way you came and find the others. One more thing. The chief "
                  "keeps a man apart, in a hole behind his hall. Not a miner; soft hands. The goblins feed him "
                  "better than us. Past their forge, through the gate on the far side. And take this; we stole it "
                  "off a guard and never dared drink it.");
        cmd.GiveItem(EnnisDraught);
        cmd.AwardExperience(Rescue);
        cmd.PrintParagraph("~<c:LIME>Ennis gives you a Healing Draught.");
        cmd.AddJournalEntry("j_warren_pens", "j_warren_pens.txt");
        AskAfterTheCaptive();
        cmd.ShowContent(PersonHere, EnnisInThePens, false);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500168()
{
    return std::make_unique<TScript_500168>();
}

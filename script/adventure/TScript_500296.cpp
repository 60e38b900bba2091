// Jory, Brother Perrin's brother, a miner of the fourth shift's deep crew,
// hiding in the hollow with the others: what happened to the crew, and the
// news of Perrin.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Jory{"Jory", "#C8B48C"};
constexpr const char* CounterJoryHeard = "heart_jory_heard";
constexpr int32_t NewsBonus = 50;

class TScript_500296 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInHeart();
        if (cmd.GetCounter(CounterJoryHeard) > 0) {
            Jory.Say(cmd.GetCounter(CounterHeartEnded) > 0
                         ? "Feel that? Nothing. No beat. We're going home."
                         : "We'll hold here. The smith's ghost at the forge knows more than I do, if he'll talk to "
                           "you.");
            return 1;
        }
        Jory.Say("Easy! Easy. You're real? You're not more of them?");
        cmd.BeginChoices();
        cmd.AddChoice(0, "We're from Cindervale. Who are you?", "1", [] {
            Jory.Say("Jory. Fourth shift, the deep crew. Garrick sent fourteen of us down after the seam, and we "
                     "broke through into the old dwarf workings a month gone, and the men in black were already here, "
                     "singing. Then the beat started, and half the crew went queer in the head and walked toward it. "
                     "The rest of us hid in here. It's cool in here. It doesn't reach.");
        });
        cmd.AddChoice(1, "Your brother is Perrin, of the temple?", "", [] { TellOfPerrin(); });
        cmd.AddChoice(1, "Stay here. We'll come back for you.", "", [] { Jory.Say("We're not going anywhere."); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void TellOfPerrin()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterJoryHeard) > 0)
            return;
        Jory.Say("Perrin? You've seen him? He came after me, didn't he, the fool. He's alive? Out, with Garrick and "
                 "the rest of the shift? Ashara keep him. Ashara keep you. Listen: the old dwarf at the forge, the one "
                 "you can see through. He talks to us sometimes. He knows how the beat is stopped.");
        cmd.ChangeCounter(CounterJoryHeard, true);
        cmd.AwardExperience(NewsBonus);
        cmd.PrintParagraph("~<c:LIME>The party gains " + std::to_string(NewsBonus) + " experience for bringing Jory "
                           "news of his brother.");
        cmd.AddJournalEntry("j_jory", "j_jory.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500296()
{
    return std::make_unique<TScript_500296>();
}

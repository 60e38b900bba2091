// Korra Slate, a hewer of the third shift, sells her axe at the Banked Hearth:
// her talk of the mines, and her hire for forty crowns.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/StoryFlags.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Korra{"Korra Slate", "#9FB8AD"};
// The creature that joins the party, and the figure at the bar that stands for
// it until then.
constexpr int64_t KorraCreature = 30110;
constexpr int32_t PersonHere = 30;
constexpr int64_t KorraAtTheBar = 40005;
constexpr int32_t KorraFee = 40;

class TScript_500155 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        Korra.Say(cmd.GetCounter(CounterMayorHired) > 0
                      ? "So you're the mayor's swords. You'll want a third shift hewer, then, before you go down."
                      : "Looking for work, or looking for trouble? I'm selling the one and I've had enough of the "
                        "other.");
        const bool offered = cmd.GetCounter(CounterKorraHired) == 0;
        cmd.BeginChoices();
        cmd.AddChoice(0, "Who are you?", "1", [] {
            Korra.Say("Korra Slate. Twelve years a hewer on the third shift, down where the ore runs hot. Now I sit "
                      "here and sell my axe to anyone who'll pay for it. Nobody has.");
        });
        if (offered)
            cmd.AddChoice(0, "We could use an axe. Come with us, for forty crowns.", "", [] { Hire(); });
        cmd.AddChoice(0, "Not now.", "", [] { Korra.Say("I'll be here. Nowhere else to be."); });
        cmd.AddChoice(1, "Why not go looking for the fourth shift yourself?", offered ? "2" : "", [] {
            Korra.Say("I went up with Holt's watch the morning after. There were goblins at the lift-head, more than "
                      "I could count. One axe and nobody at my back is how you end up at the bottom of the shaft. "
                      "Give me a party to stand with and I'll go as deep as you like.");
        });
        cmd.AddChoice(2, "Then stand with us. Forty crowns.", "", [] { Hire(); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    // Paid only once she has a place in the party: a full party keeps its gold.
    static void Hire()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetGold() < KorraFee) {
            Korra.Say("Forty, I said, and I won't go down for less; Marda's kind, but kindness doesn't pay for the "
                      "room. Come back when the mayor's paid you.");
            return;
        }
        if (cmd.JoinParty(KorraCreature) == 0)
            return;
        cmd.SetGold(cmd.GetGold() - KorraFee);
        cmd.ChangeCounter(CounterKorraHired, true);
        cmd.ShowContent(PersonHere, KorraAtTheBar, false);
        cmd.PrintParagraph("~<c:LIME>You pay Korra " + std::to_string(KorraFee) + " crowns.");
        Korra.Say("Done. Let me settle with Marda and I'm yours, as deep as the mines go.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500155()
{
    return std::make_unique<TScript_500155>();
}

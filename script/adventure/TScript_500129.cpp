// Marda Quill, keeper of the Banked Hearth: the inn's talk of the mines, the
// rats of the old quarter, a draught on the house once they are gone, and a cup
// of her cinderwort tonic, which mends a body for a while.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/StoryFlags.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Marda{"Marda Quill", "#F0A040"};
constexpr int64_t HealingDraught = 21003;
// Set when Marda has thanked the party for clearing the cellars.
constexpr const char* CounterMardaThanks = "marda_thanked";
// Set when Marda has poured her tonic.
constexpr const char* CounterMardaTonic = "marda_tonic_poured";
// The tonic's mending, for five rounds, felt once a round.
constexpr int32_t StateMending = 54;
constexpr int32_t TonicRounds = 5;
constexpr int32_t OnceARound = 7;

class TScript_500129 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMayorHired) > 0)
            Marda.Say("The mayor's new swords! Sit, sit. The stew's hot, the beer's cold, and the mayor is paying for "
                      "both.");
        else
            Marda.Say("Sit down, travellers, and get warm. The stew's hot and the beer's cold, and the door stays "
                      "bolted after dark.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What do people say about the mines?", "1,2", [] {
            Marda.Say("The carters went up for the fourth shift's ore the morning after, and came back without it, "
                      "white as milk. The lift bell at the mine-head was ringing, they said. Slow, like for a burying. "
                      "And nobody up top to ring it.");
        });
        cmd.AddChoice(0, "Who are the tankards by the fire for?", "", [] {
            Marda.Say("The fourth shift. That was always their table. I pour them fresh every night, and when they "
                      "come up, they'll find them waiting.");
        });
        if (cmd.GetCounter(CounterCellarRatsCleared) == 0)
            cmd.AddChoice(0, "Any trouble closer to home?", "", [] {
                Marda.Say("Rats. Big as cats, coming up out of the old chandler's cellar by the Well Court and into "
                          "every larder in the quarter. And they don't run from a broom any more. They sit and watch "
                          "you.");
            });
        else if (cmd.GetCounter(CounterMardaThanks) == 0)
            cmd.AddChoice(0, "The rats of the old quarter won't trouble anyone again.", "", [] { Thank(); });
        if (cmd.GetCounter(CounterMardaTonic) == 0 && cmd.PartyMember(0))
            cmd.AddChoice(0, "Something hot against the cold?", "", [] { PourTonic(); });
        cmd.AddChoice(0, "We need somewhere safe to sleep.", "", [] {
            Marda.Say("Up the stair, the room under the eaves. New bolt on the door; I put it on myself. Nothing gets "
                      "past that bolt, so sleep as long as you like.");
        });
        cmd.AddChoice(0, "Nothing for now.", "", [] { Marda.Say("You know where I am. Behind the bar, mostly."); });
        cmd.AddChoice(1, "Rung from the bottom of the shaft?", "", [] {
            Marda.Say("The bell rope runs all the way down. Somebody down there wanted the lift, and nobody up top "
                      "had the nerve to send it.");
        });
        cmd.AddChoice(2, "Then someone is still alive down there.", "", [] {
            Marda.Say("Or something wants you to think so. Take a light of your own, whatever you do. The "
                      "ember-lamps in the galleries went dark with the ore.");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void PourTonic()
    {
        TScriptCmd& cmd = Cmd();
        TEntity* drinker = cmd.PartyMember(0);
        if (!drinker)
            return;
        cmd.ChangeCounter(CounterMardaTonic, true);
        TScriptTarget cup;
        cup.Object = drinker;
        Marda.Say("Cinderwort, honey and something I won't tell you. Drink it while it's hot, " + cup.GetName() +
                  "; it'll knit you up better than sleep.");
        cmd.AddTimedState(drinker, StateMending, TonicRounds, OnceARound);
    }

    static void Thank()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterMardaThanks, true);
        Marda.Say("Is that so? Then this is on the house, and so is the next one. The sisters brew it; it's done my "
                  "knees more good than any prayer.");
        cmd.GiveItem(HealingDraught);
        cmd.PrintParagraph("~<c:LIME>Marda gives you a healing draught.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500129()
{
    return std::make_unique<TScript_500129>();
}

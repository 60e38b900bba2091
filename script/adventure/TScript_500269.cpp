// Idris Vane, a cultist who has lost his stomach for the Hollow Flame: what the
// cult means to do at the altar and the Heart, told once.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

constexpr TSpeaker Idris{"Idris Vane", "#B0B0B8"};

class TScript_500269 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        const bool told = cmd.GetCounter(CounterCultPurposeTold) > 0;
        Idris.Say(told ? "Wash the altar. Stop the champions. I'll stay here with the jars, if it's all the same."
                       : "I'm done with them, I swear it by Ashara. Ask me anything.");
        cmd.BeginChoices();
        if (!told)
            cmd.AddChoice(0, "Who are you?", "1", [] {
                Idris.Say("Idris. A tanner's son from Slag Row. They said the Flame would make the ore burn again, "
                          "and the forges would want hands, and there'd be work for everyone. I believed them right "
                          "up until they chained the pilgrims.");
            });
        cmd.AddChoice(0, "Goodbye.", "", [] { Idris.Say("Don't tell them where I am."); });
        cmd.AddChoice(1, "What does the cult mean to do?", "", [] { Tell(); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Tell()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterCultPurposeTold) > 0)
            return;
        Idris.Say("The altar in the chapel stands right over the Heart. The sisters built it to hold the sun's light "
                  "down on the thing, to keep it sleeping. The High Flame fouled it, and now it runs the other way: "
                  "whatever burns on it goes down to the Heart and feeds it. They mean to burn the pilgrims on it, "
                  "one by one, until the Heart is wide awake.");
        Idris.Say("Once it wakes, the ore answers to the Flame and nobody else. The goblins, the beasts on the road, "
                  "they're only the start; it calls things. The three champions keep the ways while the High Flame "
                  "works below at the Heart. Wash the altar and it goes hungry. The sisters' font still runs, west "
                  "of the nave.");
        cmd.ChangeCounter(CounterCultPurposeTold, true);
        cmd.AddJournalEntry("j_crypt_purpose", "j_crypt_purpose.txt");
        if (cmd.GetCounter(CounterCultRevealed) > 0)
            cmd.CompleteQuest(QuestHollowFlame);
        MoveCryptGoal(DesecratedChapelPlace);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500269()
{
    return std::make_unique<TScript_500269>();
}

// Sister Ysolde, priestess of Ashara: what the dead ore means, what the torn
// map shows, and the goddess's blessing, given once: it heals, and for a while
// it turns blows aside.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Ysolde{"Sister Ysolde", "#E6DCAA"};
// Set when Ysolde has blessed the party.
constexpr const char* CounterBlessed = "ysolde_blessed";
// The blessing heals like a night's sleep.
constexpr int32_t BlessingHealing = 1000;
// Melee and missile armour +1 for twenty rounds, under the goddess's name.
constexpr int32_t ArmorMelee = 40;
constexpr int32_t ArmorMissile = 41;
constexpr int32_t BlessingRounds = 20;
constexpr int32_t StateBlessed = 52;

class TScript_500131 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        Ysolde.Say("Ashara keep you. You have come in out of the cold; stand by her flame a while.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What has happened to the ember-ore?", "1", [] {
            Ysolde.Say("Ember-ore is Ashara's fire, laid in the stone when the mountains were young. Fire like that "
                       "does not die. But it can be called away. Downwards.");
        });
        if (cmd.GetCounter(CounterTornMapFound) > 0)
            cmd.AddChoice(0, "We found a torn map with that sign on it.", "", [] {
                Ysolde.Say("Show me. That square is the old temple, Ashara's first house on the mountain, and the "
                           "sisters sealed its crypt before the town was built. Those footprints lead from the ruin "
                           "into the rock. Under it. I pray I am wrong about who drew them.");
            });
        if (cmd.GetCounter(CounterBlessed) == 0)
            cmd.AddChoice(0, "Will you bless us before we go on?", "", [] { Bless(); });
        cmd.AddChoice(0, "Farewell, Sister.", "", [] { Ysolde.Say("Go warm, and come back warm."); });
        cmd.AddChoice(1, "Called away by whom?", "", [] {
            Ysolde.Say("You have seen the sign daubed on Slag Row: a flame burning downwards. The Hollow Flame. The "
                       "old books say its people worshipped the fire under the mountain and wanted it for their own. "
                       "The books also say they were all dead three hundred years ago.");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Bless()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterBlessed, true);
        cmd.PrintParagraph("Sister Ysolde dips her thumb in the warm ash beside the altar bowl and marks each of your "
                           "brows. Heat like a good fire on a winter night runs through you, and every hurt and "
                           "weariness eases.");
        cmd.RestParty(BlessingHealing);
        for (int32_t slot = 1; slot <= 6; ++slot) {
            TScriptSelf member;
            member.Object = cmd.PartyMember(slot);
            if (!member.Object)
                continue;
            for (int32_t armor : {ArmorMelee, ArmorMissile})
                member.SetAttribute(armor, member.GetAttribute(armor) + 1, BlessingRounds);
            cmd.AddTimedState(member.Object, StateBlessed, BlessingRounds, 0);
        }
        cmd.PrintParagraph("~<c:LIME>Ashara's blessing restores the party, and for a while it turns blows aside.");
        Ysolde.Say("She gives it once to each who asks, and no more. Spend it well.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500131()
{
    return std::make_unique<TScript_500131>();
}

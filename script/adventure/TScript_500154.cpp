// Mother Sorrel, the druid: her dying oaks, the spiders' nest, and her
// blessing when she is shown what they were guarding.
#include "rules/Entity.h"
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr TSpeaker Sorrel{"Mother Sorrel", "#9CC47A"};
constexpr int64_t PrayerScroll = 21116;
constexpr int32_t Blessing = 1000;

class TScript_500154 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyOnMap(WoodMapPicture, DruidsGrovePlace);
        const bool asked = cmd.GetCounter(CounterGroveQuest) > 0;
        const bool healed = cmd.GetCounter(CounterGroveHealed) > 0;
        const bool hasCanker = PartyHasItem(EmberCanker);
        Sorrel.Say(healed  ? "The sap runs clean again. Give them a year and you won't know which ones were sick."
                   : asked ? "Have you been to the webs?"
                           : "Don't touch the trees. Not those three. Wash your hands in the spring if you have.");
        cmd.BeginChoices();
        if (hasCanker && !healed)
            cmd.AddChoice(0, "The spiders were sitting on this.", "", [] { Thank(); });
        if (!asked && !healed)
            cmd.AddChoice(0, "What is killing them?", "1,2", [] {
                Sorrel.Say("Heat. Something hot in the ground east of here, under the webs. The spiders came a "
                           "month ago and they've grown fat on it; they sit on it like a hen on an egg. The roots "
                           "drink it and the trees burn from the inside.");
            });
        cmd.AddChoice(0, "Goodbye.", "", [] { Sorrel.Say("Mind the webs. Mind the ferns too; they're all I have left."); });
        cmd.AddChoice(1, "We'll clear the nest.", "", [] { AskForNest(); });
        cmd.AddChoice(2, "Spiders are not our business.", "", [] { Sorrel.Say("No. Nothing is, in Cindervale."); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void AskForNest()
    {
        Cmd().ChangeCounter(CounterGroveQuest, true);
        Sorrel.Say("Kill them and bring me the thing they're sitting on. Don't let them bite you more than you must; "
                   "it burns for a while after.");
        Cmd().AddQuest("j_druids_grove", "j_druids_grove.txt");
        MarkQuestGoalOnMap(WoodMapPicture, "j_druids_grove", SpiderNestPlace);
    }

    // Shown the canker before she asked, she opens the quest and closes it at once.
    static void Thank()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterGroveQuest) == 0) {
            cmd.ChangeCounter(CounterGroveQuest, true);
            cmd.AddQuest("j_druids_grove", "j_druids_grove.txt");
        }
        cmd.ChangeCounter(CounterGroveHealed, true);
        Sorrel.Say("Ember-ore. From the mountain, in my wood. No, keep it, I won't have it near the spring; carry it "
                   "out with you. The mines are full of it, and if it's doing this here... Come, kneel by the water.");
        cmd.RestParty(Blessing);
        // Rest alone leaves the spiders' venom burning.
        for (int32_t slot = 1; slot <= 6; ++slot)
            if (const TEntity* member = cmd.PartyMember(slot))
                cmd.CurePoison(member->Id);
        cmd.GiveItem(PrayerScroll);
        cmd.PrintParagraph("~<c:LIME>Sorrel washes your wounds in the spring. The party is healed of wounds and venom, and she gives you "
                           "a Prayer Scroll of Mending.");
        cmd.CompleteQuest("j_druids_grove");
        ClearQuestGoalOnMap(WoodMapPicture, "j_druids_grove");
        cmd.AddJournalEntry("j_grove_healed", "j_grove_healed.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500154()
{
    return std::make_unique<TScript_500154>();
}

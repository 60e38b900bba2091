// The guardian of the Ember Heart: while the heart burns it drinks the heart's
// fire and mends, unless the party carries the Sunstone, whose light holds
// that fire down; every third turn it breathes cinders over the whole party;
// hurt to half its strength it tears the last fire out of the heart, which
// dims for good, and calls the heart's wisps to it. Its fall cracks the heart
// and gives up the shard.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CombatTactic.h"
#include "script/adventure/CryptScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t HeartMends = 2;
constexpr int32_t BreathEvery = 3;
constexpr int32_t WispsCalled = 2;
constexpr int32_t GuardianBonus = 300;
// What ShowContent calls an item lying in a location.
constexpr int32_t ItemContent = 5;

class TScript_500205 : public TCombatTactic {
public:
    int32_t OnDead() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("The guardian sags, and the fire goes out of its cracks from the feet up, and it comes "
                           "apart into a heap of cooling slag. Behind it the Ember Heart gives one great beat, and "
                           "another, weaker, and splits with a noise like a bell breaking. The light dies to a red "
                           "glow in the cracks. Something bright drops out of the wound into the ash at its foot.");
        cmd.AwardExperience(GuardianBonus);
        cmd.PrintParagraph("~<c:LIME>The party gains " + std::to_string(GuardianBonus) + " experience for felling the "
                           "guardian of the heart.");
        cmd.ChangeCounter(CounterGuardianDead, true);
        cmd.ShowContent(ItemContent, EmberShard, true);
        cmd.ShowExit(HeartChamber, GuardiansHoard, true);
        cmd.AddJournalEntry("j_guardian_fallen", "j_guardian_fallen.txt");
        return 1;
    }

private:
    int32_t CombatTurn() override
    {
        const int32_t endurance = SelfProxy.GetAttribute(AttributeEndurance);
        if (endurance <= 0)
            return 0;
        ++Turns;
        const int32_t most = SelfProxy.GetAttribute(AttributeEnduranceMax);
        TScriptCmd& cmd = Cmd();
        if (!HeartDimmed && endurance * 2 <= most) {
            HeartDimmed = true;
            cmd.PrintParagraph("~<c:YELLOW>The guardian turns and plunges its arm into the heart, and tears out the "
                               "last of its fire. The heart dims; sparks pour off the guardian and take wing");
            cmd.SpawnContent(CinderWisp, CreatureKind, 0, WispsCalled, HeartChamber);
        } else if (!HeartDimmed && endurance < most) {
            MendFromHeart(endurance, most);
        }
        if (Turns % BreathEvery == 0 && SelfProxy.UseQuickSlot(1, 0, TargetProxy.GetId()))
            return 0;
        return 1;
    }

    void MendFromHeart(int32_t endurance, int32_t most)
    {
        TScriptCmd& cmd = Cmd();
        if (!PartyHasItem(SunstoneTemplate)) {
            SelfProxy.SetAttribute(AttributeEndurance, std::min(most, endurance + HeartMends), 0);
            cmd.Print("~<c:YELLOW>The heart beats, and its fire runs into the guardian's cracks");
        } else if (!SunstoneShone) {
            SunstoneShone = true;
            cmd.Print("~<c:YELLOW>The heart beats, but the Sunstone blazes like noon, and the heart's fire breaks "
                      "against its light before it can reach the guardian");
        }
    }

    // The guardian's turns in this fight.
    int32_t Turns = 0;
    // The heart gives the guardian its last fire once.
    bool HeartDimmed = false;
    // The Sunstone's light is told of once.
    bool SunstoneShone = false;
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500205()
{
    return std::make_unique<TScript_500205>();
}

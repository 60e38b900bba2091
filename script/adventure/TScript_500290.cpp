// Orlen Vask, the Hollow Flame's hierarch, at his vigil before the heart's door:
// what the cult wanted of the heart and what it has got, before the fight and
// after it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Vask{"Orlen Vask", "#C878C8"};

class TScript_500290 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInHeart();
        if (cmd.GetCounter(CounterGuardianDead) > 0) {
            Vask.Say(cmd.GetCounter(CounterHeartEnded) > 0
                         ? "It is quiet. I had forgotten what quiet was. I will go up and face the town, if it will "
                           "have me."
                         : "You broke it. Finish it, then. I will not stop you. I could not stop anything.");
            return 1;
        }
        Vask.Say("So you are the ones who came through the crypt. Sit, if you like. There is no hurry now.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Who are you?", "1", [] {
            Vask.Say("Orlen Vask, hierarch of the Hollow Flame. The last of it. The others went through that door "
                     "to sing to the Heart, one by one, and it took them, one by one. It does not want priests. It "
                     "wants fuel.");
        });
        cmd.AddChoice(0, "Stand aside.", "", [] {
            Vask.Say("I am not in your way. Nothing is in your way but what stands up in there.");
        });
        cmd.AddChoice(1, "What did you want with the Heart?", "2", [] {
            Vask.Say("The ore of the mountain, all of it, burning for us and for nobody else. Cindervale's forges "
                     "cold and ours hot. We thought a heart could be bargained with. It cannot. It only calls: the "
                     "goblins, the ogres, the troll on the bridge, and us.");
        });
        cmd.AddChoice(2, "What stands up in there?", "", [] {
            Vask.Say("Its guardian. Slag, with the Heart's fire in it, and while the Heart burns it mends. Hurt it "
                     "to the half and it will tear the last of the fire out of the Heart to save itself; that is "
                     "your chance. Go in or go home. I will wait here either way.");
            Cmd().AddJournalEntry("j_hierarch", "j_hierarch.txt");
        });
        cmd.RunChoices(this);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500290()
{
    return std::make_unique<TScript_500290>();
}

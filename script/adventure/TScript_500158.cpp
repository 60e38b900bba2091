// Hobb Gannet, the lamp-keeper who ran from the lift-head: what came up out of
// the mine, where the fourth shift is, what the way down needs, and his last
// torch, once; and the lamp stores he carried out, for a price.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr TSpeaker Hobb{"Hobb Gannet", "#C8B48C"};
constexpr int64_t HobbsTorch = 21120;
constexpr int64_t HobbsStores = 1126;

class TScript_500158 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyOnMap(WoodMapPicture, MinersShrinePlace);
        Hobb.Say(cmd.GetCounter(CounterMinerTorchGiven) > 0
                     ? "Still here. Where would I go? Mind the lift-head; they watch it."
                     : "Mayor's people, is it? He sent someone at last. Sit. Keep your voices down.");
        const auto farewell = [] { Hobb.Say("Ashara light you."); };
        bool trading = false;
        cmd.BeginChoices();
        cmd.AddChoice(0, "What happened at the mine?", "1,3", [] {
            Hobb.Say("The fourth shift broke into an old working, deep under the ninth gallery. Hot in there, and a "
                     "smell like a forge. That night they came up out of it: goblins, more than I could count, out of "
                     "the dark below where no goblin ever was. I was on the lamps at the lift-head. I ran. Forty years "
                     "in that mine, and I ran.");
        });
        cmd.AddChoice(0, "Have you anything to spare?", "", [&trading] {
            Hobb.Say("I carried out what I could from the lamp room. Oil, wicks, a few torches, the draughts we kept "
                     "for burns. It's no use to me here. Pay what the mayor would, and welcome.");
            trading = true;
        });
        cmd.AddChoice(0, "Goodbye.", "", farewell);
        cmd.AddChoice(1, "And the fourth shift?", "2,3", [] {
            Hobb.Say("Down there still, the ones that lived. Young Harrowgate got them into the bottom galleries, and "
                     "they shored themselves in behind the pit-props. I heard the picks knocking, the first days. The "
                     "goblins hold the lift-head now, and the gate.");
        });
        cmd.AddChoice(2, "How do we get down to them?", "", [] { TellTheWayDown(); });
        cmd.AddChoice(3, "Goodbye.", "", farewell);
        cmd.RunChoices(this);
        // The stores open once the talk is over, so the shop does not run inside it.
        if (trading) {
            cmd.OpenShop("Hobb's Lamp Stores", 10, 30, HobbsStores);
            cmd.RunShop(this);
        }
        return 1;
    }

private:
    static void TellTheWayDown()
    {
        Hobb.Say("The lift. But they pulled the lever out of the winding-gear and carried it off; the cage won't move "
                 "till you put it back. And below the third gallery it's black as a boot. The ember-lamps died with "
                 "the ore. Take a light down, or don't go.");
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMinerTorchGiven) > 0)
            return;
        cmd.ChangeCounter(CounterMinerTorchGiven, true);
        Hobb.Say("Here. My last one. Keep it dry.");
        cmd.GiveItem(HobbsTorch);
        cmd.PrintParagraph("~<c:LIME>Hobb gives you a Torch.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500158()
{
    return std::make_unique<TScript_500158>();
}

// The last smith of the deep forge, a ghost at his anvil: what the heart was to
// the dwarves, how it is ended, and his quench-water, given once.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Smith{"The Last Smith", "#FFB060"};
constexpr int64_t QuenchWater[] = {21605, 21606};

class TScript_500303 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInHeart();
        if (cmd.GetCounter(CounterHeartEnded) > 0) {
            Smith.Say("The forge is a forge again. Go home, smiths' friends. Light your fires.");
            return 1;
        }
        const bool told = cmd.GetCounter(CounterSmithTold) > 0;
        Smith.Say(told ? "Break the guardian. Bring me the shard. The bellows will do the rest, and the anvil."
                       : "Living folk. At my forge. It has been three hundred years.");
        cmd.BeginChoices();
        if (!told)
            cmd.AddChoice(0, "What is the Ember Heart?", "1", [] {
                Smith.Say("The root of all the ore in the mountain. The fire under the fire. We found it when we dug "
                          "deep, and we did not wake it: we built this forge beside it, and what the Heart gave, the "
                          "Forge returned, and the ore in every seam above us glowed with it. Then the men in black "
                          "came down and sang to it, and it woke hungry. Now it draws the fire out of the ore to "
                          "itself, and calls every beast that loves the dark.");
            });
        cmd.AddChoice(0, "Farewell.", "", [] { Smith.Say("Mind the heat."); });
        cmd.AddChoice(1, "How is it ended?", "", [] { Tell(); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Tell()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterSmithTold) > 0)
            return;
        Smith.Say("Its guardian first. It is slag the Heart has stood up, and it drinks from the Heart while the "
                  "Heart burns: strike hard, and do not stop. Fire is its meat. Do not throw fire at it. Water is "
                  "its bane: here, the quench-water we cooled our ember-steel in.");
        for (const int64_t flask : QuenchWater)
            cmd.GiveItem(flask);
        cmd.PrintParagraph("~<c:YELLOW>The Last Smith gives you two Flasks of Quench-Water.");
        Smith.Say("When it falls, the Heart will crack, and a shard of it will come away: its own fire. Bring the "
                  "shard here. Lay it in my forge and work the bellows until it is white, and strike it on the "
                  "anvil. What the Heart took, the Forge will give back.");
        cmd.ChangeCounter(CounterSmithTold, true);
        cmd.AddJournalEntry("j_last_smith", "j_last_smith.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500303()
{
    return std::make_unique<TScript_500303>();
}

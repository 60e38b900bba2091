// Gideon Fell, the shepherd of the summer hut: the path down to Cindervale, and
// the lamps he has seen on the ridge by night.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Gideon{"Gideon Fell", "#B4C88C"};
// Set when Gideon has told of the path down to town.
constexpr const char* CounterPathTold = "shepherds_path_told";

class TScript_500245 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        Gideon.Say("Out of the goblin hole, are you? You'll be wanting a fire and a crust. Sit down.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Is there a way down to Cindervale?", "", [] { ThePath(); });
        cmd.AddChoice(0, "Have you seen men in hoods?", "", [] {
            Gideon.Say("Seen their lamps. Going up the ridge by night, to the third peak, never down again that I "
                       "saw. There's nothing up there but the old cairn and the older ruin. Shepherds don't go "
                       "there. The sheep won't graze under it.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Gideon.Say("Mind the wolves. They're bold this year."); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void ThePath()
    {
        TScriptCmd& cmd = Cmd();
        Gideon.Say("Down past the sheep walk, down the zigzags to the stile, and over the stile you're on the town "
                   "wall. The watch knows us; they'll let you by. Half a morning down, a whole one up.");
        if (cmd.GetCounter(CounterPathTold) > 0)
            return;
        cmd.ChangeCounter(CounterPathTold, true);
        cmd.AddJournalEntry("j_shepherds_path", "j_shepherds_path.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500245()
{
    return std::make_unique<TScript_500245>();
}

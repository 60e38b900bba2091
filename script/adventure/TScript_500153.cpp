// Tobin Ashby, the hunter's son, treed by wolves in the split oak: he comes
// down once the wolves are dead, and joins the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr TSpeaker Tobin{"Tobin", "#90D070"};
constexpr int64_t TobinCreature = 30113;
constexpr int32_t PersonHere = 30;
constexpr int64_t TobinInTheOak = 40007;
constexpr int64_t WolfHollow = 1106;
constexpr int64_t Wolves[] = {30111, 30112};

bool WolvesProwl()
{
    for (const int64_t wolf : Wolves)
        if (CreatureLivesIn(WolfHollow, wolf))
            return true;
    return false;
}

class TScript_500153 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (WolvesProwl()) {
            Tobin.Say("Not while they're down there! There's two of them, they go round and round. Kill them first.");
            return 1;
        }
        Tobin.Say("Are they dead? Both of them? I've been up here two nights. I ate my bootlaces.");
        cmd.BeginChoices();
        cmd.AddChoice(0,
                      cmd.GetCounter(CounterSonQuest) > 0 ? "Your father sent us. Come down, Tobin."
                                                          : "Come down. They're dead.",
                      "", [] { Join(); });
        cmd.AddChoice(0, "Stay there a while longer.", "", [] {
            Tobin.Say("You're joking. You are joking?");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Join()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.JoinParty(TobinCreature) == 0)
            return;
        cmd.ChangeCounter(CounterSonJoined, true);
        ClearQuestGoalOnMap(WoodMapPicture, "j_hunters_son");
        cmd.ShowContent(PersonHere, TobinInTheOak, false);
        cmd.PrintParagraph("The boy slithers down the split trunk, misses the last branch and lands in the bracken. "
                           "He gets up grinning.");
        Tobin.Say(std::string(cmd.GetCounter(CounterSonQuest) > 0 ? "Pa sent you? " : "") +
                  "You're going on to the bridge, aren't you? Take me. I know every path from here to the gorge, and "
                  "I owe that wood a bad turn.");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500153()
{
    return std::make_unique<TScript_500153>();
}

// Aldo Ashby, the hunter: his lost son, his map of the wood, the road ahead, and
// his thanks when the boy is found.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr TSpeaker Aldo{"Aldo Ashby", "#C8A060"};
constexpr int32_t Reward = 25;
constexpr int64_t HuntersDraught = 21112;

class TScript_500152 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyOnMap(WoodMapPicture, LodgePlace);
        const bool asked = cmd.GetCounter(CounterSonQuest) > 0;
        const bool found = cmd.GetCounter(CounterSonJoined) > 0;
        const bool thanked = cmd.GetCounter(CounterSonRewarded) > 0;
        Aldo.Say(thanked ? "Keep him out of that troll's reach. Keep yourselves out of it too."
                 : found ? "Tobin! Boy, come here. Let me look at you."
                 : asked ? "Anything? Any sign of him?"
                         : "Mayor's people, by the look of you. Sit if you like. I'm no company today.");
        cmd.BeginChoices();
        if (found && !thanked)
            cmd.AddChoice(0, "He was up a tree, with wolves under it.", "", [] { Thank(); });
        if (!asked && !found)
            cmd.AddChoice(0, "What's wrong?", "1,2", [] {
                Aldo.Say("My boy, Tobin. Went out three days ago to walk the snare lines south of the road. Didn't "
                         "come back. I found his tracks by the bramble banks and wolf tracks over them, a lot of "
                         "wolf tracks. I can't walk that far on this leg any more. I tried.");
            });
        cmd.AddChoice(0, "What lies on the road ahead?", "", [] {
            Aldo.Say("The clearing past the brambles; don't camp there, the ogres come through at night. Then the "
                     "gorge, and the old bridge, and the troll. Cut it and it heals while you watch. You have to put "
                     "it down and keep it down.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Aldo.Say("The bunks are yours if you need them. Door bars from inside."); });
        cmd.AddChoice(1, "We'll look for him.", "", [] { AskForSon(); });
        cmd.AddChoice(2, "We can't turn aside from the road.", "", [] {
            Aldo.Say("No. No, I suppose you can't.");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void AskForSon()
    {
        Cmd().ChangeCounter(CounterSonQuest, true);
        Aldo.Say("South of the road, past where the brambles are torn down. He's sixteen and he climbs like a "
                 "squirrel. If he's anywhere, he's up something. Bring him back and I'll see you right.");
        Cmd().AddQuest("j_hunters_son", "j_hunters_son.txt");
        GiveMap();
        MarkQuestGoalOnMap(WoodMapPicture, "j_hunters_son", WolfHollowPlace);
    }

    // His hide map of the wood, once: the lodge, the snare lines and the road to the gorge.
    static void GiveMap()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterWoodMap) > 0)
            return;
        cmd.ChangeCounter(CounterWoodMap, true);
        ShowMap(WoodMapPicture, LodgePlace);
        MarkQuestGoalOnMap(WoodMapPicture, "j_mines", MineRoadsEndPlace);
        cmd.PrintParagraph("~<c:LIME>Aldo spreads a map of the wood drawn on deerhide and marks it with his thumbnail; "
                           "he lets you copy it. It is on the map tab.");
    }

    // Found before he was asked for, the quest is opened and closed at once.
    static void Thank()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterSonQuest) == 0) {
            cmd.ChangeCounter(CounterSonQuest, true);
            cmd.AddQuest("j_hunters_son", "j_hunters_son.txt");
        }
        cmd.ChangeCounter(CounterSonRewarded, true);
        Aldo.Say("Two nights up a tree. Your mother would have... well. He wants to go on with you, I can see it. Go "
                 "on, then, Tobin; you know the wood better than they do. Here: it's not much.");
        cmd.SetGold(cmd.GetGold() + Reward);
        cmd.GiveItem(HuntersDraught);
        cmd.PrintParagraph("~<c:LIME>Aldo gives you " + std::to_string(Reward) + " crowns and a Healing Draught.");
        cmd.CompleteQuest("j_hunters_son");
        cmd.AddJournalEntry("j_son_home", "j_son_home.txt");
        GiveMap();
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500152()
{
    return std::make_unique<TScript_500152>();
}

// Mayor Oswin Harrowgate: the hiring, as a dialogue tree. The party's answer is
// kept in a global variable; accepting the work sets the story counter and
// hands over the town map. Once hired he gives the party the hammer his watch
// found, when Brannoc has asked for it; once the party knows of the Hollow
// Flame, he gives it the town's seal, which opens the old crypt on the mountain;
// once the Ember Heart is ended, he pays what he promised for the mines.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/SlopeScripts.h"
#include "script/adventure/StoryFlags.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr int32_t MinesReward = 500;
// Set when the mayor has paid what he promised for the mines.
constexpr const char* CounterMinesPaid = "mayor_mines_paid";

class TScript_500128 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMayorHired) > 0 && cmd.GetCounter(CounterHammerQuest) > 0 &&
            cmd.GetCounter(CounterHammerFound) == 0) {
            HandOverHammer();
            return 1;
        }
        if (cmd.GetCounter(CounterMayorHired) > 0 && cmd.GetCounter(CounterCultRevealed) > 0 &&
            cmd.GetCounter(CounterSealGiven) == 0) {
            AskForTheSeal(this);
            return 1;
        }
        if (cmd.GetCounter(CounterMayorHired) > 0 && cmd.GetCounter(CounterHeartEnded) > 0) {
            PayForTheMines();
            return 1;
        }
        if (cmd.GetCounter(CounterMayorHired) > 0 && cmd.GetCounter(CounterMinersFreed) > 0) {
            cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"Garrick is home, and the fourth shift with him. I owe "
                               "you that. But the ore still burns grey, friends, and the forges are still cold.\"~<>");
            return 1;
        }
        if (cmd.GetCounter(CounterMayorHired) > 0) {
            cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"The mines, friends. Every day the forges stay cold, "
                               "Cindervale dies a little more. Bring me word of my son's shift.\"~<>");
            return 1;
        }
        cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"You have the look of people who can use a sword. I have "
                           "need of such people.\"~<>");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What happened in the mines?", "1,3,4", [] {
            Cmd().PrintParagraph("~<i>\"The fourth shift went down a month ago and never came up. My son was their "
                                 "foreman. Since that night the ore burns grey and goblins raid our streets.\"~<>");
        });
        cmd.AddChoice(0, "What does the work pay?", "2,3,4", [] {
            Cmd().PrintParagraph("~<i>\"Fifty crowns now, and five hundred when the mines are working again.\"~<>");
        });
        cmd.AddChoice(0, "We are not interested.", "", [] {
            Cmd().SetGlobal("mayor_answer", std::string("refused"));
            Cmd().PrintParagraph("~<i>\"Then the gate will stay barred to you, as to everyone.\"~<>");
        });
        cmd.AddChoice(1, "Goblins? In town?", "3,4", [] {
            Cmd().PrintParagraph("~<i>\"At night, in the lower streets. The watch is too few. Whatever stirred in the "
                                 "deeps has stirred them too.\"~<>");
        });
        cmd.AddChoice(2, "Make it a hundred now.", "3,4", [] {
            Cmd().SetGlobal("mayor_answer", std::string("haggled"));
            Cmd().PrintParagraph("~<i>\"Seventy, and not a copper more. The treasury is as empty as the mines.\"~<>");
        });
        cmd.AddChoice(3, "We will find your miners.", "", [] { Hire(); });
        cmd.AddChoice(4, "We need to think about it.", "", [] {
            Cmd().PrintParagraph("~<i>\"Do not think too long.\"~<>");
        });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Hire()
    {
        TScriptCmd& cmd = Cmd();
        const TVariant answer = cmd.GetGlobal("mayor_answer");
        const bool haggled = std::holds_alternative<std::string>(answer) && std::get<std::string>(answer) == "haggled";
        cmd.SetGlobal("mayor_answer", std::string("hired"));
        cmd.ChangeCounter(CounterMayorHired, true);
        cmd.SetGold(cmd.GetGold() + (haggled ? 70 : 50));
        cmd.PrintParagraph("The mayor counts the coins into your hand himself. ~<i>\"Sergeant Holt will open the gate "
                           "for you. Go by the toll bridge and the Whisperwood road.\"~<>");
        cmd.AddJournalEntry("j_hired", "j_hired.txt");
        cmd.AddQuest("j_mines", "j_mines.txt");
        ShowTownMap();
        MarkQuestGoal("j_mines", TollBridgePlace);
        cmd.PrintParagraph("~<c:LIME>He gives you a map of Cindervale; it is on the map tab.");
    }

    // The five hundred crowns he promised at the hiring, once the mines work again.
    static void PayForTheMines()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterMinesPaid) > 0) {
            cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"Listen to it. Every forge in Cindervale, and the "
                               "night shift singing on the mine road. Sit down, friends; you have earned a chair.\"~<>");
            return;
        }
        cmd.ChangeCounter(CounterMinesPaid, true);
        cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"The ore burns red in every bin on the hill, and Brannoc "
                           "has been at his anvil since midnight. I said five hundred crowns when the mines were "
                           "working again, and the treasury is as empty as I told you, so the guilds have filled it. "
                           "Cindervale pays its debts.\"~<>");
        cmd.SetGold(cmd.GetGold() + MinesReward);
        cmd.PrintParagraph("~<c:LIME>The mayor pays you " + std::to_string(MinesReward) + " crowns.");
    }

    static void AskForTheSeal(TScriptObject* script)
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"Back from the mountain? You look as if you have been "
                           "under it. What news?\"~<>");
        cmd.BeginChoices();
        cmd.AddChoice(0, "A cult called the Hollow Flame is under the mountain.", "", [] { HandOverSeal(); });
        cmd.AddChoice(0, "Nothing yet.", "", [] {
            Cmd().PrintParagraph("~<i>\"Then why are you standing in my hall?\"~<>");
        });
        cmd.RunChoices(script);
    }

    static void HandOverSeal()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterSealGiven, true);
        cmd.PrintParagraph("The mayor hears you out with his hands flat on the table. ~<i>\"Under Ashara's first "
                           "house. The old crypt. Every mayor is told of it, and told to forget it. The sisters "
                           "sealed it before a stone of this town was laid, and gave the first mayor the seal to "
                           "keep, so that it should never be opened by one hand alone.\"~<> He unlocks a drawer and "
                           "lays a disc of green bronze on the table, with a flame cut in it, burning upward. "
                           "~<i>\"Take it. Open the crypt, and put out whatever they have lit down there.\"~<>");
        cmd.GiveItem(MayorsSeal);
        cmd.PrintParagraph("~<c:LIME>The mayor gives you the Mayor's Seal.");
        cmd.AddJournalEntry("j_mayors_seal", "j_mayors_seal.txt");
        if (cmd.GetCounter(CounterSealAsked) > 0) {
            cmd.CompleteQuest(QuestTownsSeal);
            ClearQuestGoal(QuestTownsSeal);
        }
    }

    static void HandOverHammer()
    {
        TScriptCmd& cmd = Cmd();
        cmd.ChangeCounter(CounterHammerFound, true);
        cmd.PrintParagraph("~<c:AQUA>Mayor Harrowgate:~<> ~<i>\"Brannoc's hammer? Holt's men found his cart overturned on "
                           "the mine road the morning after the raid. The goblins took the rest and left this; too "
                           "heavy to run with, I expect. Take it to him, with my thanks for the asking.\"~<>");
        cmd.GiveItem(BrannocsHammer);
        cmd.PrintParagraph("~<c:LIME>The mayor gives you Brannoc's Hammer.");
        ClearQuestGoal("q_smiths_hammer");
        MarkQuestGoal("q_smiths_hammer", SmithyYardPlace);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500128()
{
    return std::make_unique<TScript_500128>();
}

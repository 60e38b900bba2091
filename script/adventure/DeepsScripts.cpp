#include "script/adventure/DeepsScripts.h"

#include "script/ScriptCommands.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int64_t CaveBat = 30035;
constexpr int64_t MiddenGrub = 30034;

constexpr const char* GoblinsFindYou = "Bare feet pad on the stone, and a knot of goblins with knives comes round the "
                                       "bend, as surprised as you are. Goblins attack!";
constexpr const char* BatsWake = "The roof above you comes alive with leathery wings. Bats attack!";
constexpr const char* GrubsCome = "Something wet and blind comes nosing out of the muck toward the smell of you. "
                                  "Grubs attack!";

const TPlaceNight Places[] = {
    {BreachTunnel, {BreachTunnelPlace, 50, "Nothing comes up the tunnel all night. The party rests.", GoblinWarrior, 2,
     GoblinsFindYou}},
    {RubbleStair, {{1, 4}, 40, "Stones click and settle on the stair, and that is all. The party rests.", GoblinWarrior,
     2, GoblinsFindYou}},
    {WarrenMouth, {{2, 4}, 67, "The warren snores below you all night. The party rests.", GoblinWarrior, 3,
     GoblinsFindYou}},
    {BatRoost, {{0, 5}, 50, "The bats hang quiet over your heads. The party rests.", CaveBat, 3, BatsWake}},
    {ProspectorsCamp, {{0, 6}, 10, "The old camp keeps you as it kept the prospectors. The party rests.",
     GoblinWarrior, 2, GoblinsFindYou}},
    {Midden, {{3, 3}, 50, "Nothing stirs in the muck but the smell. The party rests.", MiddenGrub, 2, GrubsCome}},
    {WarrenCrossing, {{3, 4}, 80, "By some luck the goblins use other ways tonight. The party rests.", GoblinWarrior,
     3, GoblinsFindYou}},
    {SleepingBurrows, {{3, 5}, 67, "Nobody comes home to the burrows. The party rests.", GoblinWarrior, 2,
     "A goblin crawls into the burrow you lie in, and finds it full. It shrieks for its friends. Goblins attack!"}},
    {FungusGrotto, {{3, 2}, 40, "The fungus glows all night, and nothing comes to graze on it. The party rests.",
     MiddenGrub, 2, GrubsCome}},
    {DrippingCave, {{4, 2}, 33, "The water drips and drips. The party rests.", CaveBat, 2, BatsWake}},
    {Pens, {{4, 4}, 50, "The guards do not come to feed the pens tonight. The party rests.", GoblinWarrior, 2,
     "Two goblins come down with a bucket of slops for the pens and drop it. Goblins attack!"}},
    {BonePassage, {{4, 3}, 67, "The bones rattle in a draught, and that is all. The party rests.", GoblinWarrior, 2,
     GoblinsFindYou}},
    {ShamansDen, {{5, 3}, 50, "The coals of the shaman's fire die slowly. The party rests.", GoblinWarrior, 2,
     "Two goblins come to ask the shaman's blessing, and find you instead. Goblins attack!"}},
    {SunlessPool, {{5, 1}, 10, "Nobody else knows the way through the crack. The party rests.", CaveBat, 2,
     BatsWake}},
    {GoblinForge, {{4, 5}, 50, "The forge stays cold all night. The party rests.", GoblinWarrior, 2, GoblinsFindYou}},
    {ChiefsGate, {{5, 5}, 67, "Nobody comes to stand the watch. The party rests.", GoblinWarrior, 3, GoblinsFindYou}},
    {ChiefsHall, {{6, 5}, 33, "The chief's hall is empty of all but you. The party rests.", GoblinWarrior, 2,
     GoblinsFindYou}},
    {ChiefsHoard, {{6, 6}, 33, "You sleep on the chief's furs, and nobody comes for them. The party rests.",
     GoblinWarrior, 2, GoblinsFindYou}},
    {CaptivesCell, {CaptivesCellPlace, 25, "You drag the cell's door to behind you. The party rests.", GoblinWarrior,
     2, GoblinsFindYou}},
    {RaidersCamp, {{2, 6}, 75, "The raiders are out all night. The party rests by their fire.", GoblinWarrior, 4,
     "The raiders come home loaded with plunder, four of them, and drop it to draw their knives. Goblins attack!"}},
    {ChasmLedge, {{3, 6}, 50, "The wind up the chasm keeps the bats away. The party rests.", CaveBat, 2, BatsWake}},
    {WindyCrawl, {{5, 6}, 25, "Cold air moves past you all night, smelling of heather. The party rests.", CaveBat, 2,
     BatsWake}},
    {DaylightShaft, {DaylightShaftPlace, 10, "A square of stars turns slowly overhead. The party rests.", CaveBat, 2,
     BatsWake}},
    {SentryShelf, {{1, 3}, 67, "Nobody climbs the pole to relieve the watch. The party rests.", GoblinWarrior, 2,
     GoblinsFindYou}},
};

} // namespace

void MarkPartyInDeeps()
{
    if (const TPlaceNight* place = PlaceOfParty(Places))
        MarkPartyOnMap(DeepsMapPicture, place->Night.Place);
}

void RestInTheDeeps(TScriptObject* script)
{
    const TPlaceNight* place = PlaceOfParty(Places);
    if (!place)
        return;
    TRiskyRest night = place->Night;
    night.Map = &DeepsMapPicture;
    RestAtRisk(script, night);
}

void FightInTheDeeps(const std::string& scene, const std::string& cry)
{
    MarkPartyInDeeps();
    TScriptCmd& cmd = Cmd();
    cmd.PrintParagraph(scene);
    cmd.PrintParagraph("~<c:YELLOW>" + cry);
    cmd.CheckForCombat();
}

void AskAfterTheCaptive()
{
    TScriptCmd& cmd = Cmd();
    if (cmd.GetCounter(CounterCaptiveQuest) > 0)
        return;
    cmd.ChangeCounter(CounterCaptiveQuest, true);
    cmd.AddQuest(QuestCaptive, "j_deeps_captive.txt");
    MarkQuestGoalOnMap(DeepsMapPicture, QuestCaptive, CaptivesCellPlace);
}

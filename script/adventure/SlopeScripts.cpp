#include "script/adventure/SlopeScripts.h"

#include "script/ScriptCommands.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int64_t RockGoblin = 30040;
constexpr int64_t MountainWolf = 30041;
constexpr int64_t CragHarpy = 30042;

constexpr const char* WolvesCome = "Eyes shine at the edge of the firelight, two pairs, then three. The mountain "
                                   "wolves have smelt you. Wolves attack!";
constexpr const char* GoblinsCome = "A stone clatters, and another: rock goblins, grey as the scree, creeping down "
                                    "on the sleepers. Rock goblins attack!";
constexpr const char* HarpiesCome = "A shriek out of the dark overhead, and the beat of great ragged wings. Harpies "
                                    "attack!";

// A place of the slopes: its first look and its night.
struct TSlopeNight {
    int64_t Location;
    const char* FirstLook;
    TRiskyRest Night;
};

const TSlopeNight Places[] = {
    {ShaftHead, "",
     {ShaftHeadPlace, 33, "The wind hisses in the heather all night. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {HeatherSlope,
     "Sheep have been here, and something that eats sheep: a fleece lies in the heather, and the ground round it is "
     "tramped flat by big pads.",
     {{5, 5}, 50, "Nothing comes through the heather. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {ScreeRun, "",
     {ScreeRunPlace, 50, "The scree shifts and settles under you all night, and that is all. The party rests.",
      RockGoblin, 2, GoblinsCome, &SlopesMapPicture}},
    {GoatTrack,
     "The track is worn by goats and, here and there, by a man's boots, always the same boots. Someone lives along "
     "this spur.",
     {{4, 6}, 33, "Only the goats come by, and they do not stop. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {HermitsLedge,
     "The goats look up from the kale and bleat, and from behind the leather curtain a cracked old voice calls, "
     "\"Shut the gate behind you!\" There is no gate.",
     {{3, 6}, 10, "The hermit's goats sleep against the wall beside you. The party rests.", MountainWolf, 2,
      WolvesCome, &SlopesMapPicture}},
    {HermitsCell,
     "An old man in a goatskin looks up from a pot over the fire, not at all surprised, as if visitors came "
     "up out of the goblins' shaft every day.",
     {HermitsCellPlace, 10, "The old man snores by his fire. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {WindGap,
     "From the gap the whole range stands up in front of you: five peaks in a row along the ridge, like the teeth "
     "of a jaw, exactly as they are scratched on the back of the cult's sigil. The third, in the middle, is the "
     "tallest and the blackest.",
     {{3, 4}, 50, "The wind never stops, but nothing rides on it. The party rests.", CragHarpy, 2, HarpiesCome,
      &SlopesMapPicture}},
    {SheepWalk,
     "Sheep scatter in front of you across the grazed green shelf. A boy with a crook stands up from a rock and "
     "whistles his dog in.",
     {{5, 2}, 25, "The sheep crop the grass around you all night. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {SummerHut, "",
     {SummerHutPlace, 10, "The shepherds' dogs would bark at anything that came near. Nothing does. The party "
     "rests.", MountainWolf, 2, WolvesCome, &SlopesMapPicture}},
    {ShepherdsStile,
     "Below the stile the hillside drops to the roofs of Cindervale, and the path goes over the last wall onto "
     "the town's own wall walk.",
     {{6, 1}, 10, "The lights of Cindervale keep you company below. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {RidgePath, "",
     {RidgePathPlace, 67, "Nothing walks the ridge tonight but you. The party rests.", MountainWolf, 3, WolvesCome,
      &SlopesMapPicture}},
    {HarpyCrag, "",
     {HarpyCragPlace, 75, "By some luck the crag stays empty. The party rests.", CragHarpy, 2, HarpiesCome,
      &SlopesMapPicture}},
    {ThirdCairn, "",
     {ThirdCairnPlace, 50, "The third peak leans over you all night. The party rests.", MountainWolf, 2, WolvesCome,
      &SlopesMapPicture}},
    {BlackTarn,
     "The tarn is black and so still that the five peaks stand upside down in it. Herbs grow thick at the water's "
     "edge, where the shepherds' trod comes up from the sheep walk.",
     {{2, 2}, 40, "Nothing comes to drink but the stars. The party rests.", CragHarpy, 2, HarpiesCome,
      &SlopesMapPicture}},
};

} // namespace

void RestOnTheSlopes(TScriptObject* script)
{
    if (const TSlopeNight* place = PlaceOfParty(Places))
        RestAtRisk(script, place->Night);
}

void FirstLookOnTheSlopes()
{
    const TSlopeNight* place = PlaceOfParty(Places);
    if (!place)
        return;
    MarkPartyOnMap(SlopesMapPicture, place->Night.Place);
    if (*place->FirstLook)
        Cmd().PrintParagraph(place->FirstLook);
}

void FightOnTheSlopes(TTownPlace place, const std::string& scene, const std::string& cry)
{
    FightOnEntry(place, scene, cry, SlopesMapPicture);
}

void AskForTheTownsSeal()
{
    TScriptCmd& cmd = Cmd();
    if (cmd.GetCounter(CounterSealAsked) > 0 || cmd.GetCounter(CounterSealGiven) > 0)
        return;
    cmd.ChangeCounter(CounterSealAsked, true);
    cmd.AddQuest(QuestTownsSeal, "j_the_towns_seal.txt");
    MarkQuestGoal(QuestTownsSeal, MayorsHallPlace);
}

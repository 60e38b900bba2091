#include "script/adventure/HeartScripts.h"

#include <vector>

#include "script/ScriptCommands.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"
#include "session/GameClient.h"
#include "session/NamedLines.h"
#include "session/Process.h"

namespace {

constexpr const char* WispsCome = "The air over you brightens and begins to hiss. Cinder wisps drift down out of the "
                                  "cracks in the roof, drawn by the warmth of the living. Wisps attack!";
constexpr const char* GoblinsCome = "Howling comes down the passage, and a pair of goblins with burnt faces and "
                                    "shining eyes run at you, blades up. Ember-mad goblins attack!";

const TPlaceNight Places[] = {
    {CinderStair, {CinderStairPlace, 40, "Warm ash sifts down the stair all night, and nothing with it. The party rests.",
     CinderWisp, 1, WispsCome, &HeartMapPicture}},
    {ScorchedGallery, {ScorchedGalleryPlace, 60, "Nothing runs the gallery tonight. The party rests.", EmberMadGoblin, 2,
     GoblinsCome, &HeartMapPicture}},
    {MinersHollow, {{1, 1}, 0, "The miners keep watch by turns, and the hollow stays cool. The party rests.",
     EmberMadGoblin, 1, GoblinsCome, &HeartMapPicture}},
    {FireRift, {FireRiftPlace, 75, "The rift breathes in and out all night, and by some luck breathes out nothing worse. The "
                            "party rests.", CinderWisp, 2, WispsCome, &HeartMapPicture}},
    {DeepForge, {DeepForgePlace, 25, "The dwarves' forge keeps off the worst of the heat. The party rests.",
     CinderWisp, 1, WispsCome, &HeartMapPicture}},
    {PenitentsCells, {{1, 3}, 50, "You bar the cell door on the inside. The party rests.", EmberMadGoblin, 2,
     GoblinsCome, &HeartMapPicture}},
    {VigilOfTheFlame, {{3, 2}, 67, "The black candles burn down one by one. The party rests.", CinderWisp, 2,
     WispsCome, &HeartMapPicture}},
    {GuardiansHoard, {{4, 3}, 10, "The dwarves built their treasury to keep things out. The party rests.", CinderWisp,
     1, WispsCome, &HeartMapPicture}},
};

} // namespace

void MarkPartyInHeart()
{
    if (PartyLocation() == HeartChamber)
        MarkPartyOnMap(HeartMapPicture, HeartChamberPlace);
    else if (const TPlaceNight* place = PlaceOfParty(Places))
        MarkPartyOnMap(HeartMapPicture, place->Night.Place);
}

void RestInTheHeart(TScriptObject* script)
{
    const TPlaceNight* place = PlaceOfParty(Places);
    if (!place)
        return;
    TRiskyRest night = place->Night;
    if (Cmd().GetCounter(CounterHeartEnded) > 0) {
        night.HoldsAbove = 0;
        night.HowItPassed = "The deep workings are quiet now, and only warm. The party rests.";
    }
    RestAtRisk(script, night);
}

void OpenTheHeartQuest()
{
    TScriptCmd& cmd = Cmd();
    cmd.AddQuest(QuestEmberHeart, "j_ember_heart.txt");
    MarkQuestGoalOnMap(HeartMapPicture, QuestEmberHeart, HeartChamberPlace);
}

void CloseEveryOpenQuest()
{
    TProcess& process = Process();
    if (!process.Client)
        return;
    std::vector<std::string> open;
    for (const std::string& line : process.Client->Quests)
        if (ValueOf(line) != "*")
            open.push_back(NameOf(line));
    std::vector<std::string> maps;
    for (const std::string& line : process.Client->MapPictures)
        maps.push_back(NameOf(line));
    TScriptCmd& cmd = Cmd();
    for (const std::string& quest : open) {
        cmd.CompleteQuest(quest);
        for (const std::string& map : maps)
            ClearQuestGoalOnMap({map.c_str(), "", ""}, quest.c_str());
    }
}

#include "script/adventure/CryptScripts.h"

#include "script/ScriptCommands.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int64_t CryptDead = 30050;
constexpr int64_t Acolyte = 30052;

constexpr const char* DeadRise = "Bones grate on stone in the dark, and the crypt's dead come shuffling toward your "
                                 "light. The dead attack!";
constexpr const char* AcolytesCome = "Lantern-light and soft voices: acolytes of the Hollow Flame, come to trim the "
                                     "downward flames, walk in on your camp. The cultists attack!";

const TPlaceNight Places[] = {
    {SealedDoors, {SealedDoorsPlace, 20, "Wind hums in the doors all night. The party rests.", Acolyte, 2,
     AcolytesCome, &CryptMapPicture}},
    {StairOfAshes, {{1, 3}, 50, "Ash sifts down the stair, and that is all. The party rests.", Acolyte, 2,
     AcolytesCome, &CryptMapPicture}},
    {FloodedNave, {{2, 3}, 67, "The black water laps at the pillars. The party rests.", CryptDead, 2, DeadRise,
     &CryptMapPicture}},
    {SistersFont, {{2, 2}, 5, "The font murmurs all night like someone praying. The party rests.", CryptDead, 1,
     DeadRise, &CryptMapPicture}},
    {HallOfInscriptions, {{3, 2}, 40, "The old letters keep their watch. The party rests.", CryptDead, 2, DeadRise,
     &CryptMapPicture}},
    {Ossuary, {{2, 4}, 67, "None of the bones gets up again. The party rests.", CryptDead, 2, DeadRise,
     &CryptMapPicture}},
    {PilgrimsRefuge, {{1, 4}, 5, "The pilgrims keep the door barred. The party rests.", Acolyte, 2, AcolytesCome,
     &CryptMapPicture}},
    {CultsQuarters, {{3, 4}, 75, "Nobody comes back to the pallets tonight. The party rests.", Acolyte, 3,
     AcolytesCome, &CryptMapPicture}},
    {Cells, {{3, 5}, 50, "The empty chains hang quiet. The party rests.", Acolyte, 2, AcolytesCome,
     &CryptMapPicture}},
    {IronDoor, {{3, 3}, 50, "Nobody comes to try the iron door. The party rests.", Acolyte, 2, AcolytesCome,
     &CryptMapPicture}},
    {ProcessionalWay, {{4, 3}, 67, "Something walks the pillars, but it does not find you. The party rests.",
     CryptDead, 2, DeadRise, &CryptMapPicture}},
    {DesecratedChapel, {DesecratedChapelPlace, 50, "Nothing comes into the chapel all night. The party rests.",
     Acolyte, 2, AcolytesCome, &CryptMapPicture}},
    {PriestsTombs, {{5, 2}, 50, "The priests sleep on in their niches. The party rests.", CryptDead, 2, DeadRise,
     &CryptMapPicture}},
    {HighPriestsTomb, {{6, 2}, 25, "The tomb is as quiet as a held breath. The party rests.", CryptDead, 1, DeadRise,
     &CryptMapPicture}},
    {EmbalmersRoom, {{4, 2}, 40, "Nothing stirs among the jars. The party rests.", CryptDead, 2, DeadRise,
     &CryptMapPicture}},
    {BellChamber, {{0, 4}, 10, "The cracked bell hangs silent overhead. The party rests.", Acolyte, 1, AcolytesCome,
     &CryptMapPicture}},
    {CollapsedCloister, {{1, 2}, 33, "Grit trickles from the broken vault now and then. The party rests.",
     CryptDead, 2, DeadRise, &CryptMapPicture}},
    {SistersCrypt, {{1, 1}, 10, "The sisters let you sleep among them. The party rests.", CryptDead, 1, DeadRise,
     &CryptMapPicture}},
    {CultsShrine, {{5, 4}, 75, "The shrine's keepers are all below tonight. The party rests.", Acolyte, 3,
     AcolytesCome, &CryptMapPicture}},
    {FlameGallery, {{6, 4}, 67, "The flames burn downwards all night, and nobody comes to tend them. The party "
     "rests.", Acolyte, 2, AcolytesCome, &CryptMapPicture}},
    {ChampionsHall, {{6, 3}, 50, "The old guardians stand their watch over you. The party rests.", CryptDead, 2,
     DeadRise, &CryptMapPicture}},
    {HeartStair, {HeartStairPlace, 75, "Heat breathes up the stair all night. The party rests.", Acolyte, 3,
     AcolytesCome, &CryptMapPicture}},
    {SextonsCell, {{4, 4}, 20, "The sexton's door has a good bar. The party rests.", CryptDead, 1, DeadRise,
     &CryptMapPicture}},
    {CharnelWell, {{4, 5}, 67, "Something far down the well sighs, and is still. The party rests.", CryptDead, 2,
     DeadRise, &CryptMapPicture}},
};

} // namespace

void MarkPartyInCrypt()
{
    if (const TPlaceNight* place = PlaceOfParty(Places))
        MarkPartyOnMap(CryptMapPicture, place->Night.Place);
}

void RestInTheCrypt(TScriptObject* script)
{
    if (const TPlaceNight* place = PlaceOfParty(Places))
        RestAtRisk(script, place->Night);
}

void FightInTheCrypt(const std::string& scene, const std::string& cry)
{
    if (const TPlaceNight* place = PlaceOfParty(Places))
        FightOnEntry(place->Night.Place, scene, cry, CryptMapPicture);
}

void MoveCryptGoal(TTownPlace place)
{
    ClearQuestGoalOnMap(CryptMapPicture, QuestCrypt);
    MarkQuestGoalOnMap(CryptMapPicture, QuestCrypt, place);
}

void IdentifyRelic(TScriptObject* script, const std::string& finding)
{
    Cmd().PrintParagraph(script->SenderProxy.GetName() + " " + finding);
    script->SelfProxy.Identify();
}

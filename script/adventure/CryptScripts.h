// What the Sunken Crypt scripts share: the party's map of the crypt, its
// places and their nights, the story counters of the crypt, and the way its
// people speak.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptObject.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/TownScripts.h"

// The map the party draws for itself from the sealed doors down.
inline constexpr TMapPicture CryptMapPicture{"crypt", "map_sunken_crypt.bmp", "The Sunken Crypt"};

inline constexpr int64_t SealedDoors = 1501;
inline constexpr int64_t StairOfAshes = 1502;
inline constexpr int64_t FloodedNave = 1503;
inline constexpr int64_t SistersFont = 1504;
inline constexpr int64_t HallOfInscriptions = 1505;
inline constexpr int64_t Ossuary = 1506;
inline constexpr int64_t PilgrimsRefuge = 1507;
inline constexpr int64_t CultsQuarters = 1508;
inline constexpr int64_t Cells = 1509;
inline constexpr int64_t IronDoor = 1510;
inline constexpr int64_t ProcessionalWay = 1511;
inline constexpr int64_t DesecratedChapel = 1512;
inline constexpr int64_t PriestsTombs = 1513;
inline constexpr int64_t HighPriestsTomb = 1514;
inline constexpr int64_t EmbalmersRoom = 1515;
inline constexpr int64_t BellChamber = 1516;
inline constexpr int64_t CollapsedCloister = 1517;
inline constexpr int64_t SistersCrypt = 1518;
inline constexpr int64_t CultsShrine = 1519;
inline constexpr int64_t FlameGallery = 1520;
inline constexpr int64_t ChampionsHall = 1521;
inline constexpr int64_t HeartStair = 1522;
inline constexpr int64_t SextonsCell = 1523;
inline constexpr int64_t CharnelWell = 1524;

inline constexpr TTownPlace SealedDoorsPlace{0, 3};
inline constexpr TTownPlace DesecratedChapelPlace{5, 3};
inline constexpr TTownPlace HeartStairPlace{7, 3};

inline constexpr int64_t MayorsSealTemplate = 21005;
inline constexpr int64_t HolyWaterTemplate = 21070;
inline constexpr int64_t AltarTemplate = 21073;
inline constexpr int64_t SextonsKeysTemplate = 21074;
// Ashara's noon in a stone: carried into the heart chamber, it starves the guardian.
inline constexpr int64_t SunstoneTemplate = 21078;
inline constexpr int64_t FoundingStone = 21502;
inline constexpr int64_t HighPriestsGhost = 40054;

// Set when the Mayor's Seal has opened the sealed doors.
inline constexpr const char* CounterCryptDoorsOpen = "crypt_doors_open";
// Set when the iron door's lock has given.
inline constexpr const char* CounterIronDoorOpen = "crypt_iron_door_open";
// Set when holy water has washed the cult's mark from the altar.
inline constexpr const char* CounterAltarCleansed = "crypt_altar_cleansed";
// Set when Idris Vane has told what the cult means to do.
inline constexpr const char* CounterCultPurposeTold = "crypt_cult_purpose_told";
// Set when the high priest's sarcophagus has been opened.
inline constexpr const char* CounterSarcophagusOpened = "crypt_sarcophagus_opened";
// Set when Mara Thresh has been struck out of her chains.
inline constexpr const char* CounterMaraFreed = "crypt_mara_freed";

// The quest of the crypt, as the journal names it.
inline constexpr const char* QuestCrypt = "j_crypt";

// Moves the party's dot to the crypt's location it stands in.
void MarkPartyInCrypt();
// A rest in the crypt's place the party stands in, at that place's odds.
void RestInTheCrypt(TScriptObject* script);
// A fight the place starts as the party walks in.
void FightInTheCrypt(const std::string& scene, const std::string& cry);
// The ring on the crypt's map moves to where the quest of the crypt goes next.
void MoveCryptGoal(TTownPlace place);
// A crypt relic's true nature, told as the member who holds it works it out;
// the relic is known from then on.
void IdentifyRelic(TScriptObject* script, const std::string& finding);

// A place of the crypt where the party can camp: its night is a risk of its
// own, and each visit moves the party's dot.
class TCryptCamp : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestInTheCrypt(this);
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyInCrypt();
        return -1;
    }
};

// A place of the crypt: only its nights are shared.
class TCryptRest : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestInTheCrypt(this);
        return 1;
    }
};

// The commands scripts change the world with. Every command that touches the game
// does nothing while the session is closed (RandomRange, GetGold, ClearOutput,
// FindBackpackItem and PartyHasItem excepted).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "script/Variant.h"

class TCreature;
class TEntity;
class TScriptObject;

class TScriptCmd {
public:
    // Output and presentation.
    void Print(const std::string& text);
    void PrintParagraph(const std::string& text);
    void MessageBox(const std::string& text);
    // Kind 1: a picture into the main picture; kind 2: a text of the adventure.
    void ShowMedia(int32_t kind, const std::string& fileName);
    void CutScene(const std::string& title, bool fromTexts, const std::string& text);
    void ClearOutput(bool clear);

    // Choices.
    void BeginChoices();
    void AddChoice(int32_t id, const std::string& text, const std::string& nextIds, std::function<void()> callback);
    void ClearChoices();
    void RunChoices(TScriptObject* script);

    // Party, items and gold.
    void GiveItem(int64_t id);
    int64_t JoinParty(int64_t id);
    void RaiseDeadMember(int32_t percent);
    void AwardExperience(int32_t amount);
    void RestParty(int32_t amount);
    void CurePoison(int64_t creatureId);
    // The member in party slot 1..6, the selected member for 0; null for none.
    TEntity* PartyMember(int32_t slot);
    // Holds the creature in a state (10, or the adventure's 51..255) for rounds;
    // its script hears of it every everyUnits units and when it ends.
    void AddTimedState(TEntity* creature, int32_t state, int32_t rounds, int32_t everyUnits);
    int32_t GetGold();
    void SetGold(int32_t amount);

    // World.
    void ShowContent(int32_t ctype, int64_t contentId, bool visible);
    void ShowExit(int64_t locationId, int64_t exitId, bool visible);
    void SpawnContent(int64_t id, int32_t kind, int32_t reserved, int32_t count, int64_t locationId);
    // Ends a running fight and enters the location.
    void MoveParty(int64_t locationId);
    // Starts a fight with the creatures here, unless one runs already.
    void CheckForCombat();
    void UICommand(const std::string& name);
    TVariant GetVariable(const std::string& name);

    // Journal and map.
    void AddJournalEntry(const std::string& name, const std::string& textFile);
    void AddQuest(const std::string& name, const std::string& textFile);
    void CompleteQuest(const std::string& name);
    void AddMapPicture(const std::string& title, const std::string& pictureFile, const std::string& caption);
    // A marker on a map picture: operation 1 adds, 2 removes, 3 changes it.
    void MapMarker(const std::string& title, const std::string& marker, int32_t operation, int32_t top, int32_t left,
                   const std::string& pictureFile);

    // Counters, variables and chance.
    int32_t GetCounter(const std::string& name);
    void ChangeCounter(const std::string& name, bool increment);
    void SetCounter(const std::string& name, int32_t value);
    TVariant GetGlobal(const std::string& name);
    void SetGlobal(const std::string& name, const TVariant& value);
    void DeleteGlobal(const std::string& name);
    int32_t RandomRange(int32_t low, int32_t high);
    int32_t RollDice(int32_t count, int32_t sides);

    // Shops. Opening one closes the shop open before, except while a shop's menu
    // runs, when it does nothing.
    void OpenShop(const std::string& title, int32_t saleDiscount, int32_t markup, int64_t shopId);
    // A service on the open shop's additional options; its code 1 identifies, 2
    // recharges, below 0 or above 100 calls the running script's OnShopService.
    void AddShopService(const std::string& name, int32_t price, int32_t code);
    // The open shop's menu until the player leaves; the shop closes then.
    void RunShop(TScriptObject* script);
};

// The one command object.
TScriptCmd& Cmd();

// One choice and a wait for it: a "Continue..."-style pause.
void ShowSingleChoice(const std::string& text, TScriptObject* script);
// Backpack slot 1..15 of the first item with this id or template id; 0 for none.
int32_t FindBackpackItem(int64_t id, const TCreature* creature);
bool PartyHasItem(int64_t id);
// True, with the item taken from whichever member carries it in the backpack.
bool TakeFromParty(int64_t id);

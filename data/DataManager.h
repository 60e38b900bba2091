// The one access object of an open adventure: its settings, texts, scripts,
// libraries, state messages and pictures. Loading and saving game objects
// belong to it too, in their own files.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/AdventureLock.h"
#include "data/SQLite.h"

struct DamageRec;
struct TPicture;
struct TControlState;
class TItem;
class TModifiers;
class TSpecialItem;
class TSpell;
class TWeapon;
class TCreature;
class TEntity;
class TPlayer;
struct TContRec;

// The kinds DuplicateObject copies.
enum TObjectKind : int { okItem = 1, okWeapon = 2, okCreature = 3 };

struct TLibrary {
    std::string Name;
    std::vector<std::string> Lines;
};

class TDataManager {
public:
    // Opens the adventure in folder (the Game folder). When it cannot be used,
    // GameFolder is empty afterwards. A malformed MinLvl, MaxLvl or MaxParty
    // raises EConvertError.
    explicit TDataManager(const std::string& folder);
    ~TDataManager();
    TDataManager(const TDataManager&) = delete;
    TDataManager& operator=(const TDataManager&) = delete;

    bool Opened() const { return !GameFolder.empty(); }
    // Another window plays a game in the folder: this one touches nothing there.
    bool InUseElsewhere() const { return Lock.HeldElsewhere(); }

    void GetTextById(int64_t id, std::vector<std::string>& lines);
    void GetTextByFile(const std::string& fileName, std::vector<std::string>& lines);
    // 0 not found, 1 a ".js" script, 2 any other.
    int GetScriptById(int64_t id, std::vector<std::string>& lines);
    int GetScriptByFile(const std::string& fileName, std::vector<std::string>& lines);
    void LoadLibraries();
    // Fills the process-wide message table from the adventure.
    void LoadMessages();
    // Names of item types 20 and above: index = item type - 20.
    std::string GetItemTypeName(int index) const;

    // Pictures of the adventure's Images folder, deciphered when it stores them so.
    std::shared_ptr<const TPicture> LoadBitmap(const std::string& fileName);
    bool LoadPicture(const std::string& fileName, TControlState& picture);

    // Fills the adventure details dialog and shows it.
    void ShowAdventureDetails();

    // Game objects from the session database. A missing row leaves Id 0 and
    // says so in an error box; with duplicate set an object that keeps state of
    // its own gets a row of its own.
    void LoadItem(int64_t id, TItem* item, bool duplicate);
    void LoadWeapon(int64_t id, TWeapon* weapon, bool duplicate);
    void LoadContainer(int64_t id, TItem* item);
    void ReadDamage(const TStringHash& row, DamageRec* damage);
    // The damage row with that id; false (damage untouched) when there is none.
    bool LoadDamage(int64_t id, DamageRec* damage);
    void ReadModifiers(TModifiers& object, const TRecordSet& rows);
    // The row must not be one of the session connection's current rows.
    void ReadSpecialUse(const TStringHash& row, TSpecialItem* special);
    void ReadSpell(const TStringHash& row, TSpell* spell);
    void LoadSpell(int64_t id, TSpell* spell);
    void LoadSpecialUses(TItem& item);
    // A copy of an object's row under a new id (0 for an unknown kind).
    int64_t DuplicateObject(int kind, int64_t sourceId);
    // Removes the item's own row, if it has one, and frees it.
    void DeleteObject(std::unique_ptr<TItem>& item);
    void AddSpellToItem(int64_t spellId, int64_t itemId);
    // Creatures, NPCs and player characters.
    void LoadCreature(int64_t id, TCreature* creature);
    void SaveCreature(TCreature* creature);
    void LoadPlayer(TPlayer* player, int64_t id);
    void SavePlayer(TPlayer* player, int32_t partyPosition);
    void SaveContainer(const TContRec* container);
    void LoadNpc(int64_t id, TEntity* entity);
    void LoadPlayerAsNpc(int64_t id, TEntity* entity);

    // Character files, in GameFolder's Exported folder.
    std::string ExportFolder() const;
    // Writes the member's character file there, replacing one of that name; false
    // (why says so) when it could not be written, which leaves no file behind.
    bool ExportCharacter(const TPlayer& player, std::string& why);
    // Fills the character being created from a character file the player picks;
    // false when cancelled or refused (said), the character untouched then.
    bool ImportCharacter(TPlayer& creature);

    TRecordSet GetShopContents(int64_t shopId);
    TRecordSet GetShopItemTypes(int64_t shopId);
    TRecordSet GetShopWeaponTypes(int64_t shopId);

    std::string GameFolder;
    TSQLite3 AdventureDb;
    bool EncText = true;
    bool EncScr = true;
    bool EncImg = true;
    int32_t Stamp = 0;
    std::vector<std::string> ItemTypeNames;
    bool AllowImport = true;
    bool FromCurrent = true;
    int32_t MinLvl = 0;
    int32_t MaxLvl = 0;
    std::string EditorVersion;
    std::vector<std::string> LibraryNames;
    std::vector<TLibrary> Libraries;
    std::set<int> DefaultClasses;
    int DefaultClassCount = 0;
    std::string AdventureTitle;
    int32_t ChStart = 0;
    int32_t StartLvl = 0;
    int32_t StartID = 0;
    int32_t SysMsg = 0;
    std::string AdventureVersion;
    int32_t MaxParty = 0;

private:
    bool Open();
    void ReadSettings(const TStringHash& settings);
    std::string GeneralValue(const std::string& name);
    void ReadTextRow(const std::string& query, std::vector<std::string>& lines);
    int ReadScriptRow(const std::string& query, std::vector<std::string>& lines);
    // The file's bytes, deciphered when pictures are enciphered; false when missing.
    bool ReadImage(const std::string& fileName, std::vector<uint8_t>& bytes);

    TSQLite3& Session();
    bool CanLoad(const void* object, const char* failure);
    TRecordSet Query(const std::string& statement);
    void ReadUsableBy(TItem& item, const std::string& table, int64_t templateId);
    void ReadExtendedData(TItem& item, int type, int64_t templateId);
    bool BuildBuiltInItem(int64_t id, TItem& item);
    // A new object of the kind a contents row names (1 item, 2 weapon, 3 container).
    std::unique_ptr<TItem> LoadContent(int kind, int64_t id, bool copy);
    int64_t DuplicateRow(int kind, int64_t sourceId, int64_t fallbackId);

    // Containers being loaded, so that one holding itself is read only once.
    std::set<int64_t> ContainersLoading;

    // The folder given at creation: logs and temp.db go there even when the
    // adventure could not be opened.
    std::string Folder;
    // Held while the adventure is open, up to the removal of temp.db.
    TAdventureLock Lock;
};

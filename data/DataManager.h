// The one access object of an open adventure: its settings, texts, scripts,
// libraries, state messages and pictures. Loading and saving game objects
// belong to it too, in their own files.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/SQLite.h"

struct TPicture;
struct TControlState;

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

    // The folder given at creation: logs and temp.db go there even when the
    // adventure could not be opened.
    std::string Folder;
};

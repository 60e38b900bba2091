// The session controller: opens and closes books, moves the party and owns the
// choice manager of the session.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCreature;
class TForm1;
class TPlayer;
class TLocation;
class TOptionManager;
struct TBookmarkImage;

class TGameClient {
public:
    explicit TGameClient(TForm1& form);
    ~TGameClient();

    // A fresh choice manager for a new session.
    void CreateOptions();

    // Opens the adventure of the program folder as a new game.
    void StartNewGame();
    // Frees every session object; the window shows no book afterwards.
    void CloseBook();

    // How a bookmark is named: by the player, or "Quicksave" or "Autosave".
    enum class TSaveKind { Named, Quick, Auto };
    // A new bookmark of the game as it stands; true only when every step
    // succeeded. A failed save leaves no bookmark behind and the game as it was.
    bool SaveBookmark(TSaveKind kind = TSaveKind::Named);
    // Asks to save, closes the book and opens the bookmark the player picks.
    void LoadBookmark();
    // Opens the newest quick save, or the newest bookmark of all, at once.
    void QuickLoad();
    void ContinueGame();
    // Asks whether to save an open book first; false when the whole operation
    // (starting, loading, quitting, exiting) is abandoned.
    bool QuerySaveBeforeClosing(const std::string& question);
    void EnterLocation(int64_t locationId);
    // The three ways of moving: a compass button's destination, the All Exits
    // list, and a direction key (orientation 1..12).
    void MoveThroughExit(int64_t destination);
    void ChooseExit();
    void MoveInDirection(int orientation);
    void LevelUpMember(int slot);

    // Shows or hides the play controls; the choice box takes their place while off.
    void SetPlayControlsEnabled(bool on);
    // "Cancel" and the entries as a plain choice list; the 0-based entry picked, or -1.
    int ChooseFromList(const std::vector<std::string>& entries);
    // A creature picked from the living creatures here, the party members and the
    // dead party members lying here (each group when its flag is set); null for none.
    TCreature* ChooseCreature(bool creatures, bool party, bool deadParty);
    // The plain choice list itself, for every caller that asks for a pick: -1 when
    // choices are pending or nothing was picked.
    int ChooseFromPlainList(const std::vector<std::string>& entries);

    // Puts a player into an empty slot (1..6); otherwise the caller keeps it.
    void AddPartyMember(std::unique_ptr<TPlayer>& player, int slot);
    // The party's gold on every occupied member tab.
    void RefreshGoldLabels();

    // The journal's entries and quests, as name "=" text name.
    void AddJournalEntry(const std::string& name, const std::string& textName);
    void AddQuest(const std::string& name, const std::string& textName);
    void CompleteQuest(const std::string& name);
    // The journal manager's books made again from JournalEntries and Quests.
    void RestoreJournal();
    void AddMapPicture(const std::string& title, const std::string& picture, const std::string& caption);
    // Operation 1 adds a marker, 2 removes it, 3 moves it or changes its picture.
    void UpdateMapMarker(const std::string& title, const std::string& marker, int operation, int32_t top,
                         int32_t left, const std::string& picture);
    // The area picture of the map tab's list entry, with its markers drawn on it.
    void ShowMapPicture(int index);

    // Enables the compass buttons of the current location's exits, their tags
    // the destinations.
    void RefreshExitButtons();

    // The state hint and the four gauges of a party slot (1..6).
    void RefreshMemberGauges(int slot);
    // Every control of an occupied slot from its member.
    void RefreshMemberPanel(int slot);
    // Resets the controls of an empty slot.
    void ClearMemberPanel(int slot);
    // Enables or disables every control of a slot.
    void EnableMemberPanel(int slot, bool on);

    std::vector<std::string> JournalEntries;
    std::vector<std::string> Quests;
    std::vector<std::string> MapPictures;
    bool SessionClosed = false;
    TLocation* CurrentLocation = nullptr;
    bool Trading = false;
    int32_t ChoiceResult = -1;
    std::unique_ptr<TOptionManager> Options;
    int32_t PartyGold = 0;

private:
    // Makes the data manager of the program folder's adventure; false (said, and
    // no book open) when the adventure cannot be opened.
    bool OpenAdventure();
    // The window caption and the adventure's logo.
    void ShowAdventureTitle(const std::string& title);
    // Opens the newest readable bookmark that passes the filter; says so when none does.
    void LoadNewest(const std::string& name, const std::string& none);
    // Replaces the book with the bookmark in folder, after asking to save first
    // unless the book is closed already; false (said) when it cannot be read.
    bool OpenBookmark(const std::string& folder, bool askFirst);
    // Rebuilds the session from a bookmark read whole.
    void RestoreBookmark(const std::string& folder, const TBookmarkImage& image);
    // The session database and the side files, written into the staging folder.
    void WriteBookmark(const std::string& staging, const std::string& name);
    // The area map follows the party: another area is loaded, the cell here shown.
    void ShowOnAreaMap();
    // Runs the autosave when the party has just come into another area.
    void AutosaveOnNewArea(int32_t previousArea);

    // Runs the exit script, then moves unless a fight holds the party.
    void TakeExit(int64_t destination, const std::function<void(const std::string&)>& refuse, const char* inCombat);

    TForm1& Form;
};

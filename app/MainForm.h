// The main window as a model: the page control with the main tab, six member tabs,
// the map and journal tabs, the menus, and the session fields of an open book.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/FormModel.h"
#include "platform/OutputPane.h"

class TCombatSession;
class TCreature;
class TDataManager;
class TItem;
struct TPackSlot;
class TEffectsManager;
class TLocationManager;
class TPlayer;
class TShopSession;

constexpr int MaxPartySize = 6;

// The output pane's font sizes the Font Size menu steps through; a stored size
// outside them is brought back inside.
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 72;

// The body slots' equipment lists, in body-slot order 0..11, with their group captions.
struct TBodySlotControl {
    const char* Stem;
    const char* Caption;
};
extern const std::array<TBodySlotControl, 12> BodySlotControls;

// The action buttons of the play controls, with their captions.
struct TActionButton {
    const char* Name;
    const char* Caption;
};
extern const std::array<TActionButton, 15> ActionButtons;

// The compass buttons by exit orientation 1..12, with their captions.
extern const std::array<TActionButton, 12> CompassButtons;

class TForm1 : public TFormModel {
public:
    TForm1();
    ~TForm1() override;

    void KeyUp(int key) override;
    // Backpack and quick labels onto each other and onto the equipment lists.
    bool DragOver(const std::string& source, const std::string& target) override;
    void DragDrop(const std::string& source, const std::string& target) override;
    // The backpack menu over a backpack or quick label that holds an item.
    std::string ContextPopup(const std::string& name) override;
    // The close button: refused while trading or while choices are pending;
    // otherwise the book is closed after the save question.
    bool CloseQuery() override;

    // The creation handler: panels, options from the settings, pictures.
    void FormCreate();
    // The first showing: a tip in the output pane.
    void FormShow();
    // Writes the options back.
    void FormDestroy();
    void ShowProgramLogo();
    // The journal's background, from the program folder.
    void ShowJournalPicture();

    // Slot n's member (1..6), or null.
    TPlayer* Member(int slot) const;
    // The party slot (1..6) holding creature, or 0.
    int SlotOf(const TCreature* creature) const;

    // The output pane (RichEdit1).
    TOutputPane RichEdit1;

    // Session fields of an open book.
    std::array<std::unique_ptr<TPlayer>, MaxPartySize> Party;
    bool InCombat = false;
    // Shared with the fight's own steps, which keep an ended session alive until
    // they return.
    std::shared_ptr<TCombatSession> CombatSession;
    std::unique_ptr<TDataManager> DataManager;
    std::unique_ptr<TEffectsManager> EffectsManager;
    std::unique_ptr<TLocationManager> LocationManager;
    // The open shop; shared with its menu loop, which keeps a closed shop alive
    // until it returns.
    std::shared_ptr<TShopSession> ShopSession;
    // The label the backpack menu was opened on.
    std::string PopupComponent;
    // The option: turn-based instead of real-time fights.
    bool TurnBasedCombat = false;
    // Set by the Exit menu once the book is closed: the program ends.
    bool ExitRequested = false;

private:
    void CreateMainTab();
    void CreateMemberTab(int slot);
    void CreateMapTab();
    void CreateJournalTab();
    void CreateMenus();
    void CreateBackpackMenu();
    void WireMemberTab(int slot);
    void WireJournalTab();
    // The mini map: drawn around the party's cell; a click opens the area map.
    void WireMiniMap();

    void WireHandlers();
    // A failed save of the options, said the first time only.
    void ShowSettingsSaveError();
    void Menu(const std::string& name);
    void CommandLine();
    // The selected member when it may act now: a book open, its selector enabled
    // and no choice pending; null otherwise.
    TPlayer* ActingMember();
    // The Attack button, and a double click on a member's radio button.
    void AttackBtnClick();
    // Use Special: one of the selected member's worn items with special uses.
    void UseSpecialClick();
    // Use Skill: one of the selected member's skills.
    void UseSkillClick();
    // A quick button: the selected member's quick item, then the slot's new name.
    void QuickButtonClick(int quickSlot);
    // N in a turn-based fight: the selected member passes, the next turn starts.
    void NextTurnKey();
    // The shop panel's buttons: the selected line bought by, sold by or told to
    // the selected member.
    void BtnBuyClick();
    void BtnSellClick();
    void BtnInfoClick();
    // The member tab: an equipment list's entry chosen, a label double-clicked,
    // the pointer over a label, the Stats button.
    void BodyListChange(const std::string& sender);
    void SlotLabelDblClick(const std::string& sender);
    void SlotLabelHover(const std::string& sender, bool entering);
    void BtnStatsClick(int slot);
    // Trading, the sell list is made again: it names backpack slots.
    void AfterInventoryChange();
    // The backpack menu's entries, on the label it was opened on.
    void BackpackMenuClick(const std::string& entry);
    void UseWith(TPlayer& member, int backpackSlot);
    void InsertInto(TPlayer& member, const TPackSlot& from);
    void CopySpellClick(TPlayer& member, int backpackSlot);
    void ViewContents(TPlayer& member, int backpackSlot);
    void LblChoiceClick(const std::string& sender);
    void LblChoiceColor(const std::string& sender, TColor color);
};

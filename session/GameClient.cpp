#include "session/GameClient.h"

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/PicturePath.h"
#include "session/StyledText.h"
#include <array>
#include <filesystem>
#include "platform/Host.h"
#include "rules/Creature.h"
#include "rules/EffectDescription.h"
#include "rules/Effects.h"
#include "session/Process.h"
#include "world/Location.h"
#include "session/Choices.h"

TGameClient::TGameClient(TForm1& form) : Form(form) {}

TGameClient::~TGameClient() = default;

void TGameClient::CreateOptions()
{
    Options.reset();
    Options = std::make_unique<TOptionManager>(*this, Form);
}

void TGameClient::SetPlayControlsEnabled(bool on)
{
    TForm1& form = Form;
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (form.Member(slot))
            form.Control("TabSheet" + std::to_string(slot + 1)).Enabled = on;
    form.Control("MenuFile").Enabled = on;
    form.Control("MainGoBtn").Enabled = on;
    for (int quick = 1; quick <= 3; ++quick)
        form.Control("BtnQuick" + std::to_string(quick)).Enabled = on;
    for (const TActionButton& button : ActionButtons)
        form.Control(button.Name).Enabled = on;
    form.Control("PanelButtons").Visible = on;
    form.Control("ScrollBox1").Visible = !on;
}

int TGameClient::ChooseFromPlainList(const std::vector<std::string>& entries)
{
    if (!Options || Options->ShownCount() > 0)
        return -1;
    // The manager may be freed while the list waits (the book closed); only
    // what outlives it is touched afterwards.
    TOptionManager& options = *Options;
    const auto alive = options.AliveToken();
    options.ShowChoice("Cancel");
    // An entry without text is not shown, so labels are numbered by what is shown
    // and each label remembers its entry.
    std::vector<int> shownEntries;
    for (size_t index = 0; index < entries.size(); ++index)
        if (!entries[index].empty()) {
            options.ShowChoice(entries[index]);
            shownEntries.push_back(static_cast<int>(index));
        }
    ChoiceResult = 0;
    SetPlayControlsEnabled(false);
    int result;
    try {
        result = options.WaitForChoice();
    } catch (...) {
        SetPlayControlsEnabled(true);
        throw;
    }
    SetPlayControlsEnabled(true);
    if (!alive.expired())
        options.ClearLabels();
    const size_t label = result >= 2 ? static_cast<size_t>(result - 2) : shownEntries.size();
    return label < shownEntries.size() ? shownEntries[label] : -1;
}

int TGameClient::ChooseFromList(const std::vector<std::string>& entries)
{
    if (!CurrentLocation || SessionClosed)
        return -1;
    return ChooseFromPlainList(entries);
}

namespace {

void SetGauge(TForm1& form, const std::string& gauge, int position, int maximum, bool occupied, bool colored)
{
    TControlState& control = form.Control(gauge);
    control.Max = maximum;
    control.Position = position;
    control.Hint = occupied ? std::to_string(position) + "/" + std::to_string(maximum) : "";
    if (colored) {
        // Red at a fifth or less, green above three fifths, yellow between.
        const int64_t scaled = int64_t(position) * 100;
        control.Color = scaled <= int64_t(maximum) * 20 ? clRed : scaled > int64_t(maximum) * 60 ? 0x00FF00u : 0xFFFF00u;
    }
}

} // namespace

void TGameClient::RefreshMemberGauges(int slot)
{
    TForm1& form = Form;
    const std::string number = std::to_string(slot);
    const TPlayer* member = form.Member(slot);
    if (member) {
        // The member's states, then each running effect with its time left; a
        // state held by an effect is told with the effect.
        std::string effects;
        std::bitset<256> timedStates;
        if (const TEffectsManager* manager = form.EffectsManager.get())
            for (const auto& effect : manager->Effects())
                if (effect && effect->Target == member) {
                    if (IsStateKind(effect->Kind))
                        timedStates.set(effect->Kind);
                    if (const std::string text = DescribeEffect(*effect, manager->Paused()); !text.empty())
                        effects += text + ",";
                }
        std::string hint;
        for (int state = 51; state <= 255; ++state)
            if (member->States.test(state) && !timedStates.test(state) && !Process().MessageTable[state].Name.empty())
                hint += Process().MessageTable[state].Name + ",";
        form.Control("RadioButton" + number).Hint = hint + effects;
    }
    const int end = member ? member->end : 0;
    const int endMax = member ? member->end_max : 0;
    const int mana = member ? member->mana : 0;
    const int manaMax = member ? member->mana_max : 0;
    for (const char* gauge : {"MainGraphHP", "GraphHP"})
        SetGauge(form, gauge + number, end, endMax, member, true);
    form.Control("HP" + number + "MAX").Caption = "(" + std::to_string(endMax) + ")";
    form.Control("HP" + number).Caption = "(" + std::to_string(end) + ")";
    for (const char* gauge : {"MainGraphMP", "GraphMP"})
        SetGauge(form, gauge + number, mana, manaMax, member, false);
    form.Control("MP" + number + "MAX").Caption = "(" + std::to_string(manaMax) + ")";
    form.Control("MP" + number).Caption = "(" + std::to_string(mana) + ")";
}

void TGameClient::RefreshMemberPanel(int slot)
{
    TForm1& form = Form;
    const TPlayer* member = form.Member(slot);
    if (!member || SessionClosed)
        return;
    const std::string number = std::to_string(slot);
    RefreshMemberGauges(slot);
    form.Control("RadioButton" + number).Caption = member->Name;
    form.Control("TabSheet" + std::to_string(slot + 1)).Caption = member->Name;
    form.Control("GiveTo_" + number).Caption = member->Name;
    form.Control("Level" + number).Caption = std::to_string(member->level);
    form.Control("Experience" + number).Caption = std::to_string(member->experience);
    form.Control("NextLevel" + number).Caption = std::to_string(member->next_level);
    form.Control("BtnLevelUp" + number).Enabled = member->experience >= member->next_level;
    static const char* const AbilityStems[] = {"Strength", "Dexterity", "MindPower", "Faith", "Constitution"};
    for (int ability = 0; ability < AbilityCount; ++ability)
        form.Control(AbilityStems[ability] + number).Caption = std::to_string(member->Abilities[ability]);
    for (int kind = 0; kind < AttackClassCount; ++kind)
        form.Control("Armor" + std::to_string(kind + 1) + "_" + number).Caption = std::to_string(member->Armor[kind]);
    form.Control("Gold" + number).Caption = std::to_string(PartyGold);
    // Each equipment list: "EMPTY", what is worn there, then what the backpack
    // offers for that body slot.
    std::array<std::vector<std::string>, BodySlotCount> lists;
    for (int body = 0; body < BodySlotCount; ++body) {
        lists[body] = {"EMPTY"};
        if (const TItem* worn = member->HeldInBodySlot(body))
            lists[body].push_back(ItemDisplayName(worn));
    }
    for (int item = 1; item <= BackpackSlotCount; ++item) {
        const TItem* carried = member->Backpack[item - 1].get();
        TControlState& label = form.Control("Item" + std::string(item < 10 ? "0" : "") + std::to_string(item) + "_" + number);
        label.Caption = ItemDisplayName(carried);
        label.FontColor = clBlack;
        if (!carried)
            continue;
        if (!member->CanUse(*carried)) {
            label.FontColor = clRed;
            continue;
        }
        const auto* weapon = dynamic_cast<const TWeapon*>(carried);
        for (int body = 0; body < BodySlotCount; ++body) {
            if (!carried->EquipSlots.test(body))
                continue;
            // A two-handed weapon is offered for the right hand only.
            if (body >= bsLHand && weapon && weapon->two_handed)
                break;
            lists[body].push_back(ItemDisplayName(carried));
        }
    }
    for (int body = 0; body < BodySlotCount; ++body) {
        TControlState& list = form.Control(BodySlotControls[body].Stem + number);
        const TItem* worn = member->HeldInBodySlot(body);
        list.Items = lists[body];
        list.ItemIndex = worn ? 1 : 0;
    }
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        form.Control("Quick" + std::to_string(quick) + "_" + number).Caption =
            ItemDisplayName(member->QuickSlots[quick - 1].get());
    if (slot == Process().SelectedMember)
        for (int quick = 1; quick <= QuickSlotCount; ++quick)
            form.Control("BtnQuick" + std::to_string(quick)).Caption =
                ItemDisplayName(member->QuickSlots[quick - 1].get());
}

void TGameClient::ClearMemberPanel(int slot)
{
    TForm1& form = Form;
    if (form.Member(slot))
        return;
    const std::string number = std::to_string(slot);
    RefreshMemberGauges(slot);
    form.Control("RadioButton" + number).Caption = "Character " + number;
    form.Control("TabSheet" + std::to_string(slot + 1)).Caption = "Character " + number;
    form.Control("GiveTo_" + number).Caption = "Character " + number;
    for (const char* stem : {"Level", "Experience", "NextLevel", "Strength", "Dexterity", "MindPower", "Faith",
                             "Constitution", "Gold"})
        form.Control(stem + number).Caption = "0";
    for (int armor = 1; armor <= 4; ++armor)
        form.Control("Armor" + std::to_string(armor) + "_" + number).Caption = "0";
    for (int item = 1; item <= BackpackSlotCount; ++item) {
        TControlState& label = form.Control("Item" + std::string(item < 10 ? "0" : "") + std::to_string(item) + "_" + number);
        label.Caption = "EMPTY";
        label.FontColor = clBlack;
    }
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        form.Control("Quick" + std::to_string(quick) + "_" + number).Caption = "EMPTY";
    for (const TBodySlotControl& body : BodySlotControls) {
        TControlState& list = form.Control(body.Stem + number);
        list.Items = {"EMPTY"};
        list.ItemIndex = 0;
    }
}

void TGameClient::EnableMemberPanel(int slot, bool on)
{
    TForm1& form = Form;
    const TPlayer* member = form.Member(slot);
    if (on && !member) {
        Host().MessageDlg("Tried to enable nil Player", TMsgDlgType::Error, mbOK);
        return;
    }
    if (on && member->States.test(StateUnableToAct))
        return;
    RefreshMemberGauges(slot);
    const std::string number = std::to_string(slot);
    std::vector<std::string> names = {"TabSheet" + std::to_string(slot + 1), "GiveTo_" + number, "Level" + number, "Experience" + number,
                                      "NextLevel" + number, "BtnStats" + number, "Gold" + number};
    for (const char* stem : {"Strength", "Dexterity", "MindPower", "Faith", "Constitution"})
        names.push_back(stem + number);
    for (int armor = 1; armor <= 4; ++armor)
        names.push_back("Armor" + std::to_string(armor) + "_" + number);
    for (int item = 1; item <= BackpackSlotCount; ++item)
        names.push_back("Item" + std::string(item < 10 ? "0" : "") + std::to_string(item) + "_" + number);
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        names.push_back("Quick" + std::to_string(quick) + "_" + number);
    for (const std::string& name : names)
        form.Control(name).Enabled = on;
    for (const TBodySlotControl& body : BodySlotControls) {
        TControlState& list = form.Control(body.Stem + number);
        list.Enabled = on;
        list.Color = on ? clDefault : 0xF0F0F0;
    }
    form.Control("BtnLevelUp" + number).Enabled = on && member && member->experience >= member->next_level;
    form.Control("RadioButton" + number).Enabled = on;

    const int selected = Process().SelectedMember;
    if (!on && slot == selected) {
        for (int other = 1; other <= MaxPartySize; ++other)
            if (form.Control("RadioButton" + std::to_string(other)).Enabled) {
                form.Click("RadioButton" + std::to_string(other));
                Process().SelectedMember = other;
                break;
            }
    }
    if (const TPlayer* chosen = form.Member(Process().SelectedMember))
        for (int quick = 1; quick <= QuickSlotCount; ++quick)
            form.Control("BtnQuick" + std::to_string(quick)).Caption = ItemDisplayName(chosen->QuickSlots[quick - 1].get());
}

void TGameClient::RefreshExitButtons()
{
    TForm1& form = Form;
    for (const TActionButton& button : CompassButtons) {
        TControlState& control = form.Control(button.Name);
        control.Enabled = false;
        control.Tag = 0;
    }
    if (!CurrentLocation)
        return;
    for (const TLocationExit& exit : CurrentLocation->Exits)
        if (exit.ExitId >= 1 && exit.Orientation >= 1 && exit.Orientation <= static_cast<int>(CompassButtons.size())) {
            TControlState& control = form.Control(CompassButtons[exit.Orientation - 1].Name);
            control.Enabled = true;
            control.Tag = exit.ExitId;
        }
}

TCreature* TGameClient::ChooseCreature(bool creatures, bool party, bool deadParty)
{
    if (!CurrentLocation || !Options || Options->ShownCount() > 0)
        return nullptr;
    // The groups in their order; the pick is found again by id, as the wait may
    // have changed the lists.
    auto candidates = [&] {
        std::vector<TCreature*> found;
        if (creatures)
            for (const auto& creature : CurrentLocation->Creatures)
                if (creature)
                    found.push_back(creature.get());
        if (party)
            for (int slot = 1; slot <= MaxPartySize; ++slot)
                if (TPlayer* member = Form.Member(slot))
                    found.push_back(member);
        if (deadParty)
            for (const auto& body : CurrentLocation->Corpses)
                if (body && dynamic_cast<TPlayer*>(body.get()))
                    found.push_back(body.get());
        return found;
    };
    std::vector<std::string> names;
    std::vector<int64_t> ids;
    for (TCreature* creature : candidates()) {
        names.push_back(creature->Name);
        ids.push_back(creature->Id);
    }
    const int picked = ChooseFromPlainList(names);
    if (picked < 0 || picked >= static_cast<int>(ids.size()) || !CurrentLocation)
        return nullptr;
    for (TCreature* creature : candidates())
        if (creature->Id == ids[picked])
            return creature;
    return nullptr;
}

void TGameClient::AddPartyMember(std::unique_ptr<TPlayer>& player, int slot)
{
    TForm1& form = Form;
    if (!player || slot < 1 || slot > MaxPartySize || form.Member(slot))
        return;
    form.Party[slot - 1] = std::move(player);
    const std::string number = std::to_string(slot);
    // The party's radio buttons are one group: the new member's alone is checked.
    for (int other = 1; other <= MaxPartySize; ++other)
        form.Control("RadioButton" + std::to_string(other)).Checked = other == slot;
    form.Control("TabSheet" + std::to_string(slot + 1)).Visible = true;
    // Selected first, so the quick buttons show the new member's things.
    Process().SelectedMember = slot;
    EnableMemberPanel(slot, true);
    RefreshMemberPanel(slot);
}

void TGameClient::RefreshGoldLabels()
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (Form.Member(slot))
            Form.Control("Gold" + std::to_string(slot)).Caption = std::to_string(PartyGold);
}


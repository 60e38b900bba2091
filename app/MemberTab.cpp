// The member tabs' inventory: dragging labels, the equipment lists, double clicks,
// the backpack menu and its dialogs, and the Stats button.
#include <optional>

#include "app/GraphicInfoForm.h"
#include "app/MainForm.h"
#include "app/SimpleChooseForm.h"
#include "app/SpellBooksForm.h"
#include "app/StatsForm.h"
#include "app/VerbsForm.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/Utils.h"
#include "platform/Host.h"
#include "rules/ContainerUse.h"
#include "rules/Creature.h"
#include "rules/Inventory.h"
#include "rules/ItemUse.h"
#include "rules/ShopSession.h"
#include "rules/SpellCopy.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

// A backpack label "Item07_2" or a quick label "Quick2_3": the member number is
// the eighth character.
struct TSlotLabel {
    int Member = 0;
    TPackSlot Slot;
};

std::optional<TSlotLabel> ParseSlotLabel(const std::string& name)
{
    if (name.size() != 8 || name[6] != '_' || name[7] < '1' || name[7] > '6')
        return std::nullopt;
    const int member = name[7] - '0';
    if (name.rfind("Item", 0) == 0 && isdigit(static_cast<unsigned char>(name[4])) &&
        isdigit(static_cast<unsigned char>(name[5])))
        return TSlotLabel{member, {TPackArea::Backpack, (name[4] - '0') * 10 + (name[5] - '0')}};
    if (name.rfind("Quick", 0) == 0 && name[5] >= '1' && name[5] <= '3')
        return TSlotLabel{member, {TPackArea::Quick, name[5] - '0'}};
    return std::nullopt;
}

std::string SlotLabelName(int member, TPackSlot slot)
{
    const std::string number = std::to_string(slot.Slot);
    if (slot.Area == TPackArea::Quick)
        return "Quick" + number + "_" + std::to_string(member);
    return "Item" + std::string(slot.Slot < 10 ? "0" : "") + number + "_" + std::to_string(member);
}

// An equipment list "Torso2": the member and the body slot.
struct TBodyList {
    int Member = 0;
    int Slot = 0;
};

std::optional<TBodyList> ParseBodyList(const std::string& name)
{
    for (int body = 0; body < BodySlotCount; ++body) {
        const std::string stem = BodySlotControls[body].Stem;
        if (name.size() == stem.size() + 1 && name.rfind(stem, 0) == 0 && name.back() >= '1' && name.back() <= '6')
            return TBodyList{name.back() - '0', body};
    }
    return std::nullopt;
}

// The item a slot label shows, with its member, while a book is open.
struct TLabelledItem {
    int Number = 0;
    TPackSlot Slot;
    TPlayer* Member = nullptr;
    TItem* Item = nullptr;
};

std::optional<TLabelledItem> ItemOfLabel(const TForm1& form, const std::string& name)
{
    const auto label = ParseSlotLabel(name);
    TPlayer* member = label && BookOpen() ? form.Member(label->Member) : nullptr;
    TItem* item = member ? ItemAt(*member, label->Slot) : nullptr;
    if (!item)
        return std::nullopt;
    return TLabelledItem{label->Member, label->Slot, member, item};
}

void Inform(const std::string& message)
{
    Host().MessageDlg(message, TMsgDlgType::Information, mbOK);
}

// The menu's entries with the texts they show, in order.
struct TMenuEntry {
    const char* Name;
    const char* Caption;
};
const TMenuEntry BackpackMenu[] = {
    {"UseItem", "Use"},          {"UseWith1", "Use With ..."},       {"DiscardItem", "Discard"},
    {"IdentifyItem", "Identify"}, {"ViewContents1", "View Contents"}, {"InsertInto1", "Insert Into..."},
    {"CopytoSpellBook1", "Copy Spell"}, {"GiveItem", "Give to"},      {"Info", "Info"},
};
const char* const CustomActionStem = "CustomAction";

} // namespace

void TForm1::CreateBackpackMenu()
{
    Add("PopupBackpack", TControlKind::PopupMenu);
    for (const TMenuEntry& entry : BackpackMenu) {
        auto& item = Add(entry.Name, TControlKind::MenuItem, "PopupBackpack");
        item.Caption = entry.Caption;
        if (std::string(entry.Name) != "GiveItem")
            item.OnClick = [this](const std::string& sender) { BackpackMenuClick(sender); };
    }
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        auto& give = Add("GiveTo_" + std::to_string(slot), TControlKind::MenuItem, "GiveItem");
        give.Caption = "Character " + std::to_string(slot);
        give.Enabled = false;
        give.OnClick = [this](const std::string& sender) { BackpackMenuClick(sender); };
    }
}

void TForm1::WireMemberTab(int slot)
{
    auto wireLabel = [this](const std::string& name) {
        TControlState& label = Control(name);
        label.Draggable = true;
        label.OnDblClick = [this](const std::string& sender) { SlotLabelDblClick(sender); };
        label.OnMouseEnter = [this](const std::string& sender) { SlotLabelHover(sender, true); };
        label.OnMouseLeave = [this](const std::string& sender) { SlotLabelHover(sender, false); };
    };
    for (int item = 1; item <= BackpackSlotCount; ++item)
        wireLabel(SlotLabelName(slot, {TPackArea::Backpack, item}));
    for (int quick = 1; quick <= QuickSlotCount; ++quick)
        wireLabel(SlotLabelName(slot, {TPackArea::Quick, quick}));
    for (int body = 0; body < BodySlotCount; ++body) {
        TControlState& list = Control(BodySlotControls[body].Stem + std::to_string(slot));
        list.Tag = body;
        list.OnChange = [this](const std::string& sender) { BodyListChange(sender); };
    }
    Control("BtnStats" + std::to_string(slot)).OnClick = [this, slot](const std::string&) { BtnStatsClick(slot); };
}

bool TForm1::DragOver(const std::string& source, const std::string& target)
{
    const auto from = ItemOfLabel(*this, source);
    const TControlState* dragged = Find(source);
    const TControlState* onto = Find(target);
    if (!from || !dragged || !onto || !dragged->Enabled || !onto->Enabled || dragged->Caption == "EMPTY")
        return false;
    if (const auto to = ParseSlotLabel(target))
        return to->Member == from->Number && MayDropOnSlot(*from->Member, from->Slot, to->Slot);
    if (const auto body = ParseBodyList(target))
        return body->Member == from->Number && from->Slot.Area == TPackArea::Backpack &&
               MayWear(*from->Member, *from->Item, body->Slot);
    return false;
}

void TForm1::DragDrop(const std::string& source, const std::string& target)
{
    if (!DragOver(source, target))
        return;
    const auto from = ItemOfLabel(*this, source);
    if (const auto to = ParseSlotLabel(target))
        DropOnSlot(*from->Member, from->Slot, to->Slot);
    else if (const auto body = ParseBodyList(target))
        WearFromBackpack(*from->Member, from->Slot.Slot, body->Slot);
    AfterInventoryChange();
}

std::string TForm1::ContextPopup(const std::string& name)
{
    const auto labelled = ItemOfLabel(*this, name);
    const TControlState* control = Find(name);
    if (!labelled || !control || !control->Enabled || control->Caption == "EMPTY")
        return {};
    const TItem* item = labelled->Item;
    PopupComponent = name;
    for (int index = 0; Find(CustomActionStem + std::to_string(index)); ++index)
        Remove(CustomActionStem + std::to_string(index));
    if (item->Id != 0 && !item->Action.empty()) {
        std::vector<std::string> actions;
        SplitToList(item->Action, '|', actions);
        for (size_t index = 0; index < actions.size(); ++index) {
            auto& entry = Add(CustomActionStem + std::to_string(index), TControlKind::MenuItem, "PopupBackpack");
            entry.Caption = Trim(actions[index]);
            entry.OnClick = [this](const std::string& sender) { BackpackMenuClick(sender); };
        }
    }
    return "PopupBackpack";
}

void TForm1::AfterInventoryChange()
{
    // A sell list names backpack slots, which may hold other things now.
    if (GameClient().Trading && ShopSession && Control("BtnSell").Enabled)
        ShopSession->ListSellable(Process().SelectedMember);
}

void TForm1::BodyListChange(const std::string& sender)
{
    const auto body = ParseBodyList(sender);
    TPlayer* member = body ? Member(body->Member) : nullptr;
    if (!member || !BookOpen())
        return;
    const TControlState& list = Control(sender);
    const int index = list.ItemIndex;
    const bool worn = member->HeldInBodySlot(body->Slot) != nullptr;
    if (index == 0 && worn)
        TakeOff(*member, body->Slot);
    // Entry 1 is the worn item itself when there is one.
    else if (index > (worn ? 1 : 0) && index < static_cast<int>(list.Items.size()))
        WearByName(*member, list.Items[index], body->Slot);
    // A refused change shows what is worn again.
    if (InParty(*member))
        GameClient().RefreshMemberPanel(body->Member);
    AfterInventoryChange();
}

void TForm1::SlotLabelDblClick(const std::string& sender)
{
    const auto labelled = ItemOfLabel(*this, sender);
    if (!labelled)
        return;
    auto [number, slot, member, item] = *labelled;
    if (slot.Area == TPackArea::Quick) {
        UseQuickItem(*member, slot.Slot);
        return;
    }
    // Worn where a slot is free, else in place of what is worn, else used.
    int wearIn = -1;
    for (int body = 0; body < BodySlotCount; ++body)
        if (MayWear(*member, *item, body) && (wearIn < 0 || (!member->HeldInBodySlot(body) && member->HeldInBodySlot(wearIn))))
            wearIn = body;
    if (wearIn >= 0)
        WearFromBackpack(*member, slot.Slot, wearIn);
    else if (!item->SpecialUses.empty())
        UseBackpackItem(*member, slot.Slot);
    AfterInventoryChange();
}

void TForm1::SlotLabelHover(const std::string& sender, bool entering)
{
    TControlState& label = Control(sender);
    label.Color = entering ? clWhite : clDefault;
    Control("StatusBar1").Caption = entering ? label.Caption : "";
}

void TForm1::BtnStatsClick(int slot)
{
    const TPlayer* member = Member(slot);
    if (!member)
        return;
    std::string className;
    if (member->ClassId > 20 && Process().SessionDb)
        for (const auto& row : Process().SessionDb->Query("select name from classes where id = " +
                                                          std::to_string(member->ClassId)))
            className = row->GetItem("name");
    TFrmStats stats(*member, className);
    Host().ShowModal(stats);
}

void TForm1::BackpackMenuClick(const std::string& entry)
{
    const auto labelled = ItemOfLabel(*this, PopupComponent);
    if (!labelled)
        return;
    auto [number, from, member, item] = *labelled;
    const bool quick = from.Area == TPackArea::Quick;
    if (entry == "UseItem") {
        if (quick)
            UseQuickItem(*member, from.Slot);
        else
            UseBackpackItem(*member, from.Slot);
    } else if (entry == "UseWith1") {
        if (quick)
            Inform("Put it in the backpack first.");
        else
            UseWith(*member, from.Slot);
    } else if (entry == "DiscardItem") {
        DiscardItem(*member, from);
    } else if (entry == "IdentifyItem") {
        IdentifyItem(*member, from);
    } else if (entry == "ViewContents1") {
        if (!quick)
            ViewContents(*member, from.Slot);
    } else if (entry == "InsertInto1") {
        InsertInto(*member, from);
    } else if (entry == "CopytoSpellBook1") {
        if (quick)
            Inform("Put it in the backpack first.");
        else
            CopySpellClick(*member, from.Slot);
    } else if (entry.rfind("GiveTo_", 0) == 0) {
        if (TPlayer* receiver = Member(entry.back() - '0'))
            GiveItem(*member, from, *receiver);
    } else if (entry == "Info") {
        if (RunScriptOnce(seOnInfo, member, TScriptParam{}, item, nullptr, item->ScriptId) != 0 && InParty(*member) &&
            ItemAt(*member, from) == item)
            ShowItemInformation(*item, member);
    } else if (entry.rfind(CustomActionStem, 0) == 0) {
        TScriptParam param;
        param.Text = Control(entry).Caption;
        RunScriptOnce(seOnCustomAction, member, param, item, nullptr, item->ScriptId);
    }
    AfterInventoryChange();
}

void TForm1::UseWith(TPlayer& member, int backpackSlot)
{
    TItem* item = ItemAt(member, {TPackArea::Backpack, backpackSlot});
    const TLocation* here = GameClient().CurrentLocation;
    if (!item || item->Id <= 0 || !here)
        return;
    std::vector<TItem*> others;
    TFrmSimpleChoose choose;
    for (const auto& other : here->Items)
        if (other) {
            others.push_back(other.get());
            choose.Control("ListBox1").Items.push_back(ItemDisplayName(other.get()));
        }
    const int result = Host().ShowModal(choose);
    const int picked = choose.Control("ListBox1").ItemIndex;
    if (result != mrOk || picked < 0 || static_cast<size_t>(picked) >= others.size())
        return;
    // The world went on while the player chose.
    TItem* other = others[picked];
    bool stillHere = false;
    if (const TLocation* now = GameClient().CurrentLocation)
        for (const auto& lying : now->Items)
            stillHere = stillHere || lying.get() == other;
    if (!InParty(member) || ItemAt(member, {TPackArea::Backpack, backpackSlot}) != item || !stillHere)
        return;
    AppendText("");
    AppendText("~<c:#8FBC8B;>[ " + member.Name + ": Use " + ItemDisplayName(item) + " with " +
               ItemDisplayName(other) + " ]");
    if (RunScriptOnce(seOnUseWith, &member, TScriptParam{}, item, other, item->ScriptId) == -1) {
        AppendText("Nothing happens");
        Inform("Nothing happens");
    } else if (InParty(member)) {
        GameClient().RefreshMemberPanel(SlotOf(&member));
    }
}

void TForm1::InsertInto(TPlayer& member, const TPackSlot& from)
{
    const std::vector<TContainerChoice> choices = ContainersAtHand(member);
    TFrmVerbs verbs;
    verbs.Control("LblTitle").Caption = "INSERT INTO";
    verbs.Control("Btn1").Caption = "OK";
    verbs.Control("Btn2").Caption = "CANCEL";
    for (const TContainerChoice& choice : choices)
        verbs.Control("ListBox1").Items.push_back(choice.Caption);
    const int picked = verbs.Execute();
    if (picked < 0 || static_cast<size_t>(picked) >= choices.size() || !InParty(member) ||
        !AtHand(member, choices[picked].Container))
        return;
    InsertIntoContainer(member, from, *choices[picked].Container);
}

void TForm1::CopySpellClick(TPlayer& member, int backpackSlot)
{
    const TItem* scroll = ItemAt(member, {TPackArea::Backpack, backpackSlot});
    if (const std::string refusal = SpellCopyRefusal(member, *scroll); !refusal.empty()) {
        Inform(refusal);
        return;
    }
    const std::vector<TItem*> books = SpellBooksFor(member, *scroll);
    if (books.empty()) {
        Inform("There is no spell book to copy this spell into.");
        return;
    }
    std::vector<std::string> names;
    for (const TItem* book : books)
        names.push_back(ItemDisplayName(book));
    TFrmSpellBooks dialog;
    const int picked = dialog.Choose(names);
    if (picked >= 0 && InParty(member) && ItemAt(member, {TPackArea::Backpack, backpackSlot}) == scroll)
        CopySpell(member, backpackSlot, *books[picked]);
}

void TForm1::ViewContents(TPlayer& member, int backpackSlot)
{
    TItem* container = ItemAt(member, {TPackArea::Backpack, backpackSlot});
    if (!container || !container->Container)
        return;
    if (!container->Container->Open) {
        Inform("It is not open.");
        return;
    }
    TFrmSpellBooks dialog;
    dialog.ShowContents(member, *container);
}

#include "app/SpellBooksForm.h"

#include "platform/Host.h"
#include "rules/ContainerUse.h"
#include "rules/Creature.h"
#include "session/Process.h"

TFrmSpellBooks::TFrmSpellBooks() : TFormModel("FrmSpellBooks", "Spell Books")
{
    Add("ListBox1", TControlKind::ListBox);
    Add("BtnOk", TControlKind::Button).Caption = "OK";
    Add("BtnCancel", TControlKind::Button).Caption = "CANCEL";
    auto& toBackpack = Add("BtnToBackpack", TControlKind::Button);
    toBackpack.Caption = "TO BACKPACK";
    toBackpack.Visible = false;
    Control("BtnOk").OnClick = [this](const std::string&) { ModalResult = mrOk; };
    Control("BtnCancel").OnClick = [this](const std::string&) { ModalResult = mrCancel; };
    toBackpack.OnClick = [this](const std::string&) { ToBackpack(); };
    Control("ListBox1").OnDblClick = [this](const std::string&) {
        Click(Control("BtnToBackpack").Visible ? "BtnToBackpack" : "BtnOk");
    };
}

int TFrmSpellBooks::Choose(const std::vector<std::string>& entries)
{
    TControlState& list = Control("ListBox1");
    list.Items = entries;
    list.ItemIndex = -1;
    const int result = Host().ShowModal(*this);
    return result == mrOk && list.ItemIndex >= 0 && list.ItemIndex < static_cast<int>(entries.size()) ? list.ItemIndex
                                                                                                      : -1;
}

void TFrmSpellBooks::ShowContents(TPlayer& member, TItem& container)
{
    Member = &member;
    Container = &container;
    Caption = "Contents";
    Control("BtnToBackpack").Visible = true;
    ListContents();
    Host().ShowModal(*this);
    Caption = "Spell Books";
    Control("BtnToBackpack").Visible = false;
    Member = nullptr;
    Container = nullptr;
}

void TFrmSpellBooks::ListContents()
{
    TControlState& list = Control("ListBox1");
    list.Items.clear();
    list.ItemIndex = -1;
    Places.clear();
    const TContRec& contents = *Container->Container;
    for (size_t place = 0; place < contents.Contents.size(); ++place)
        if (const TItem* object = contents.Contents[place].get()) {
            list.Items.push_back(ItemDisplayName(object));
            Places.push_back(place);
        }
    if (contents.Gold > 0)
        list.Items.push_back(std::to_string(contents.Gold) + "gp");
}

void TFrmSpellBooks::ToBackpack()
{
    const int line = Control("ListBox1").ItemIndex;
    if (!Member || !Container || line < 0)
        return;
    // Anything may have happened while the dialog waited.
    if (!InParty(*Member)) {
        Host().MessageDlg("Error with current character.", TMsgDlgType::Error, mbOK);
        ModalResult = mrCancel;
        return;
    }
    if (!AtHand(*Member, Container) || !Container->Container) {
        ModalResult = mrCancel;
        return;
    }
    if (static_cast<size_t>(line) >= Places.size()) {
        TakeGoldOutOf(*Container);
    } else if (TakeOutOfContainer(*Member, *Container, Places[line]) == TTakeOut::BackpackFull) {
        Host().MessageDlg("Backpack is full.", TMsgDlgType::Information, mbOK);
        ModalResult = mrCancel;
        return;
    }
    // The take-out event may have closed the book.
    if (!InParty(*Member) || !AtHand(*Member, Container)) {
        ModalResult = mrCancel;
        return;
    }
    ListContents();
}

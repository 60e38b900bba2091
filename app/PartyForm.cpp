#include "app/PartyForm.h"

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "platform/Host.h"
#include "rules/Creature.h"
#include "session/Party.h"
#include "session/Process.h"

namespace {

std::string RadioName(int slot)
{
    return "RadioP" + std::to_string(slot);
}

} // namespace

TFrmParty::TFrmParty() : TFormModel("FrmParty", "Party Management")
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        Add(RadioName(slot), TControlKind::RadioButton).Caption = "Character " + std::to_string(slot);
    Add("BtnExport", TControlKind::Button).Caption = "Export...";
    Add("Button1", TControlKind::Button).Caption = "Remove";
    Control("BtnExport").OnClick = [this](const std::string&) { BtnExportClick(); };
    Control("Button1").OnClick = [this](const std::string&) { Button1Click(); };
}

void TFrmParty::PrepareSlots()
{
    for (int slot = 1; slot <= MaxPartySize; ++slot) {
        TControlState& radio = Control(RadioName(slot));
        const TPlayer* member = MainForm().Member(slot);
        radio.Caption = member ? member->Name : "Character " + std::to_string(slot);
        radio.Enabled = member != nullptr;
        radio.Checked = false;
    }
}

int TFrmParty::CheckedSlot() const
{
    for (int slot = 1; slot <= MaxPartySize; ++slot)
        if (Control(RadioName(slot)).Checked)
            return slot;
    return 0;
}

void TFrmParty::BtnExportClick()
{
    TForm1& form = MainForm();
    TPlayer* member = form.Member(CheckedSlot());
    if (!member || !form.DataManager)
        return;
    std::string why;
    if (form.DataManager->ExportCharacter(*member, why))
        Host().MessageDlg(member->Name + " exported in " + form.DataManager->ExportFolder(), TMsgDlgType::Information,
                          mbOK);
    else
        Host().MessageDlg(member->Name + " could not be exported. " + why, TMsgDlgType::Error, mbOK);
}

void TFrmParty::Button1Click()
{
    const int slot = CheckedSlot();
    const TPlayer* member = MainForm().Member(slot);
    if (!member)
        return;
    if (Host().MessageDlg("Are you sure you want to remove " + member->Name + " from your party?",
                          TMsgDlgType::Confirmation, mbYesNo) == mrNo)
        return;
    // The answer was waited for: the member may be gone, the book closed.
    if (MainForm().Member(slot))
        LeaveParty(slot);
    ModalResult = mrOk;
}

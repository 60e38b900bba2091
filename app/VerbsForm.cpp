#include "app/VerbsForm.h"

#include "data/Convert.h"
#include "platform/Host.h"
#include "platform/Keys.h"
#include "session/GameClient.h"
#include "session/Process.h"

TFrmVerbs::TFrmVerbs() : TFormModel("FrmVerbs")
{
    Add("LblTitle", TControlKind::Label);
    Add("ListBox1", TControlKind::ListBox);
    Add("Edit1", TControlKind::Edit).OnChange = [this](const std::string& sender) {
        TControlState& edit = Control(sender);
        edit.Text = LowerCase(edit.Text);
    };
    Add("Btn1", TControlKind::Button).Caption = "OK";
    Add("Btn2", TControlKind::Button).Caption = "EXIT";
    Control("Btn1").OnClick = [this](const std::string&) { ModalResult = mrOk; };
    Control("Btn2").OnClick = [this](const std::string&) { ModalResult = mrCancel; };
    if (Host().ScreenWidth() == 640)
        ScalePercent = 75;
}

int TFrmVerbs::Execute()
{
    TControlState& list = Control("ListBox1");
    list.ItemIndex = -1;
    const int result = Host().ShowModal(*this);
    const int selected = result == mrOk ? list.ItemIndex : -1;
    list.ItemIndex = -1;
    GameClient().RefreshMemberPanel(Process().SelectedMember);
    return selected;
}

void TFrmVerbs::KeyUp(int key)
{
    if (key == VK_RETURN)
        Click("Btn1");
}

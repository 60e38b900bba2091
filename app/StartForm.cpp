#include "app/StartForm.h"

TFrmStart::TFrmStart() : TFormModel("FrmStart")
{
    Add("Label1", TControlKind::Label);
    auto hidden = [this](const std::string& name, TControlKind kind) -> TControlState& {
        TControlState& control = Add(name, kind);
        control.Visible = false;
        return control;
    };
    hidden("LblBooks", TControlKind::Label).Caption = "BOOKS";
    hidden("LblBookmarks", TControlKind::Label).Caption = "BOOKMARKS";
    hidden("ListBooks", TControlKind::ListBox);
    Add("ListBookmarks", TControlKind::ListBox);
    hidden("EditSaveName", TControlKind::Edit);
    Add("Button1", TControlKind::Button).Caption = "OK";
    Add("Button2", TControlKind::Button).Caption = "CANCEL";
    hidden("BtnDel", TControlKind::Button).Caption = "DELETE";
    Control("Button1").OnClick = [this](const std::string&) { ModalResult = mrOk; };
    Control("Button2").OnClick = [this](const std::string&) { ModalResult = mrCancel; };
}

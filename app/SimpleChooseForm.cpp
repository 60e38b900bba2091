#include "app/SimpleChooseForm.h"

TFrmSimpleChoose::TFrmSimpleChoose() : TFormModel("FrmSimpleChoose", "Choose")
{
    Add("ListBox1", TControlKind::ListBox);
    Add("Button1", TControlKind::Button).Caption = "OK";
    Add("Button2", TControlKind::Button).Caption = "CANCEL";
    Control("Button1").OnClick = [this](const std::string&) { ModalResult = mrOk; };
    Control("Button2").OnClick = [this](const std::string&) { ModalResult = mrCancel; };
}

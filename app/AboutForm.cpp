#include "app/AboutForm.h"

TFrmAbout::TFrmAbout() : TFormModel("FrmAbout", "About")
{
    Add("LblVer", TControlKind::Label).Caption = "Vellumora Engine 1.6";
    Add("Label1", TControlKind::Label).Caption = "Cindervale RPG 1.0";
    auto& close = Add("LblClose", TControlKind::Label);
    close.Caption = "Close";
    close.Cursor = TCursor::HandPoint;
    close.OnMouseEnter = [this](const std::string&) { Control("LblClose").FontColor = clBlue; };
    close.OnMouseLeave = [this](const std::string&) { Control("LblClose").FontColor = clBlack; };
    close.OnClick = [this](const std::string&) { ModalResult = mrOk; };
}

#include "app/AdvDetailsForm.h"

TFrmAdvDetails::TFrmAdvDetails() : TFormModel("FrmAdvDetails", "Adventure Details")
{
    Add("LblTitle", TControlKind::Label);
    struct TRow {
        const char* Caption;
        const char* Value;
        TControlKind Kind;
    };
    static const TRow Rows[] = {
        {"Created By:", "LblCreatedBy", TControlKind::Label},
        {"Date of publication:", "LblDate", TControlKind::Label},
        {"Adventure Version:", "LblVer", TControlKind::Label},
        {"Comments:", "Memo1", TControlKind::Memo},
    };
    int number = 1;
    for (const TRow& row : Rows) {
        Add("LblCaption" + std::to_string(number++), TControlKind::Label).Caption = row.Caption;
        Add(row.Value, row.Kind);
    }
    // Closing should not need the window frame's button.
    auto& close = Add("BtnClose", TControlKind::Button);
    close.Caption = "Close";
    close.OnClick = [this](const std::string&) { ModalResult = mrOk; };
}

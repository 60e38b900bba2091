#include "ui/qt/FormDesigns.h"

#include <cstdlib>
#include <map>

#include "app/GraphicInfoForm.h"
#include "world/AreaMap.h"
#include "ui/qt/QtConvert.h"
#include "ui_FrmAbout.h"
#include "ui_FrmAdvDetails.h"
#include "ui_FrmCreate.h"
#include "ui_FrmCutScene.h"
#include "ui_FrmGraphicInfo.h"
#include "ui_FrmMap.h"
#include "ui_FrmParty.h"
#include "ui_FrmSimpleChoose.h"
#include "ui_FrmSpellBooks.h"
#include "ui_FrmStart.h"
#include "ui_FrmStats.h"
#include "ui_FrmVerbs.h"

namespace {

// Lines the wheel turns the item's text by, a notch.
constexpr int LinesANotch = 2;

// The widgets belong to the dialog; the generated class only points at them.
template <typename TDesign>
void SetUp(QDialog& dialog, const TFormModel&)
{
    TDesign().setupUi(&dialog);
}

void SetUpGraphicInfo(QDialog& dialog, const TFormModel& form)
{
    Ui::FrmGraphicInfo design;
    design.setupUi(&dialog);
    // The dialog writes in the font the text's lines were measured in.
    if (const auto* info = dynamic_cast<const TFrmGraphicInfo*>(&form)) {
        dialog.setFont(ToQFont(info->TextFont));
        design.PaintBox1->SetTextColor(ToQColor(info->TextFont.Color));
    }
    // The wheel scrolls as the arrows beside the text do.
    design.PaintBox1->OnWheel = [up = design.SpeedButton1, down = design.SpeedButton2](int notches) {
        QAbstractButton* arrow = notches < 0 ? up : down;
        for (int click = 0; click < std::abs(notches) * LinesANotch; ++click)
            arrow->click();
    };
}

// The grid is as large as the area; the scroll area around it scrolls what
// does not fit.
void SetUpMap(QDialog& dialog, const TFormModel& form)
{
    Ui::FrmMap design;
    design.setupUi(&dialog);
    const TControlState& grid = form.Control("MGrid");
    design.MGrid->resize(static_cast<int>(grid.Tag) * MapCellSize, grid.Max * MapCellSize);
}

} // namespace

TDialogDesign DialogDesign(const std::string& formName)
{
    static const std::map<std::string, TDialogDesign> Designs = {
        {"FrmAbout", SetUp<Ui::FrmAbout>},
        {"FrmAdvDetails", SetUp<Ui::FrmAdvDetails>},
        {"FrmCreate", SetUp<Ui::FrmCreate>},
        {"FrmCutScene", SetUp<Ui::FrmCutScene>},
        {"FrmGraphicInfo", SetUpGraphicInfo},
        {"FrmMap", SetUpMap},
        {"FrmParty", SetUp<Ui::FrmParty>},
        {"FrmSimpleChoose", SetUp<Ui::FrmSimpleChoose>},
        {"FrmSpellBooks", SetUp<Ui::FrmSpellBooks>},
        {"FrmStart", SetUp<Ui::FrmStart>},
        {"FrmStats", SetUp<Ui::FrmStats>},
        {"FrmVerbs", SetUp<Ui::FrmVerbs>},
    };
    const auto found = Designs.find(formName);
    return found == Designs.end() ? nullptr : found->second;
}

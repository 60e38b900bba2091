#include "ui/qt/FormDesigns.h"

#include <map>

#include "ui_FrmAbout.h"
#include "ui_FrmAdvDetails.h"
#include "ui_FrmCreate.h"
#include "ui_FrmCutScene.h"
#include "ui_FrmSimpleChoose.h"
#include "ui_FrmStart.h"
#include "ui_FrmVerbs.h"

namespace {

// The widgets belong to the dialog; the generated class only points at them.
template <typename TDesign>
void SetUp(QDialog& dialog)
{
    TDesign().setupUi(&dialog);
}

} // namespace

TDialogDesign DialogDesign(const std::string& formName)
{
    static const std::map<std::string, TDialogDesign> Designs = {
        {"FrmAbout", SetUp<Ui::FrmAbout>},
        {"FrmAdvDetails", SetUp<Ui::FrmAdvDetails>},
        {"FrmCreate", SetUp<Ui::FrmCreate>},
        {"FrmCutScene", SetUp<Ui::FrmCutScene>},
        {"FrmSimpleChoose", SetUp<Ui::FrmSimpleChoose>},
        {"FrmStart", SetUp<Ui::FrmStart>},
        {"FrmVerbs", SetUp<Ui::FrmVerbs>},
    };
    const auto found = Designs.find(formName);
    return found == Designs.end() ? nullptr : found->second;
}

#include "app/CutSceneForm.h"

TFrmCutScene::TFrmCutScene() : TFormModel("FrmCutScene")
{
    Add("LblTitle", TControlKind::Label);
    Add("Memo1", TControlKind::Memo);
}

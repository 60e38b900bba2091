// The cut scene: a titled page of story text a script shows.
#pragma once

#include "platform/FormModel.h"

class TFrmCutScene : public TFormModel {
public:
    TFrmCutScene();
};

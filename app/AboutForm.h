// The about box.
#pragma once

#include "platform/FormModel.h"

class TFrmAbout : public TFormModel {
public:
    TFrmAbout();
};

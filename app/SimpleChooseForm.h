// A list to pick one entry from, with OK and CANCEL.
#pragma once

#include "platform/FormModel.h"

class TFrmSimpleChoose : public TFormModel {
public:
    TFrmSimpleChoose();
};

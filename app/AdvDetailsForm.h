// The adventure details dialog: title, author, date, version and comments.
#pragma once

#include "platform/FormModel.h"

class TFrmAdvDetails : public TFormModel {
public:
    TFrmAdvDetails();
};

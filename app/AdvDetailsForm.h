// The adventure details dialog: title, author, date, version and comments, and
// a button to close it.
#pragma once

#include "platform/FormModel.h"

class TFrmAdvDetails : public TFormModel {
public:
    TFrmAdvDetails();
};

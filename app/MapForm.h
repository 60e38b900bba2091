// The area map dialog: every cell of the current area, the party's framed.
#pragma once

#include "platform/FormModel.h"

class TFrmMap : public TFormModel {
public:
    TFrmMap();

    static constexpr int ClientWidth = 570;
    static constexpr int ClientHeight = 561;
    static constexpr int GridSide = 529;
};

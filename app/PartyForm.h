// The party dialog: a radio button for each party slot, Export... and Remove.
#pragma once

#include "platform/FormModel.h"

class TFrmParty : public TFormModel {
public:
    TFrmParty();

    // Each occupied slot's button is enabled and named after its member; an
    // empty slot's reads "Character N" and is disabled. None is checked.
    void PrepareSlots();

private:
    // The slot of the checked button, or 0.
    int CheckedSlot() const;
    void BtnExportClick();
    void Button1Click();
};

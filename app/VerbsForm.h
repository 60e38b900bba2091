// The verbs dialog: a titled list to pick one entry from (the containers an item
// can be put into), an edit line and two buttons. The caller sets the title, the
// button captions and the entries.
#pragma once

#include "platform/Font.h"
#include "platform/FormModel.h"

class TFrmVerbs : public TFormModel {
public:
    TFrmVerbs();

    // Shows the dialog modally: the 0-based entry selected when it closed with OK,
    // -1 otherwise.
    int Execute();
    // Enter in the edit line acts as OK.
    void KeyUp(int key) override;

    static constexpr int ClientWidth = 540;
    static constexpr int ClientHeight = 380;
    // 75 on a screen 640 pixels wide, 100 otherwise.
    int ScalePercent = 100;
    TFont TitleFont{"Times New Roman", 16, clBlack, true};
    TFont ListFont{"Times New Roman", 15, clBlack, true};
};

// The item information dialog: the item's picture, its name, and its text on a
// parchment, which the special-use label turns to the list of its special uses.
#pragma once

#include <string>
#include <vector>

#include "platform/Font.h"
#include "platform/FormModel.h"

class TCreature;
class TItem;

class TFrmGraphicInfo : public TFormModel {
public:
    // The item as the viewer sees it; a viewer with Evaluate also reads an estimate
    // of its worth.
    TFrmGraphicInfo(const TItem& item, const TCreature* viewer);

    // Picture and text share this width; the picture takes its own width and 40.
    static constexpr int AreaWidth = 538;
    static constexpr int AreaHeight = 330;
    static constexpr int TextMargin = 12;
    TFont TextFont{"Bookman Old Style", 14, clBlack};

    // The text shown: the item's, or its special uses'.
    const std::string& ShownText() const;

private:
    void ShowText(const std::string& text);
    void Scroll(int lines);
    // The width left to the text beside the picture.
    int TextWidth() const;

    std::string ItemText;
    std::string SpecialText;
    bool ShowingSpecial = false;
};

// Shows the item's information dialog to the viewer, modally.
void ShowItemInformation(const TItem& item, const TCreature* viewer);

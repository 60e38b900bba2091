// Which Qt widget draws each kind of control, and how a control's state shows on it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/FormModel.h"

class QAction;
class QObject;
class QTabWidget;
class QWidget;

// What a control shows that only the engine changes; compared with what was
// shown last, so that only changes are drawn.
struct TControlLook {
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    TColor Color = clDefault;
    TColor FontColor = clBlack;
    std::string Hint;
    int64_t Tag = 0;
    std::vector<std::string> Items;
    int Position = 0;
    int Max = 100;
    std::shared_ptr<const TPicture> Picture;
    TCursor Cursor = TCursor::Default;
    std::string Text;

    bool operator==(const TControlLook&) const = default;
};

TControlLook LookOf(const TControlState& control);

// A widget for the kind, not yet placed. Menus and tab sheets are not made here.
QWidget* MakeControlWidget(TControlKind kind, QWidget* parent);
// Where the widget's child controls go: a scroll box's inner area, else itself.
QWidget* ContainerOf(QWidget& widget);

// before is what was shown last; null draws everything.
void ShowLook(QWidget& widget, TControlKind kind, const TControlLook& look, const TControlLook* before);
void ShowActionLook(QAction& action, const TControlLook& look, const TControlLook* before);
void ShowTabLook(QTabWidget& tabs, QWidget& page, const TControlLook& look, const TControlLook* before);

// The checked state, the current entry and an edit's text: the user changes
// these on the widget too, so they are compared with the widget.
void ShowInput(QObject& object, const TControlState& control);

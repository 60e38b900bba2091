// Draws a form model with widgets named after its controls and keeps them in step:
// each Sync walks the model, binds new controls to the designed widget of their
// name or makes one, redraws what changed and removes the widgets of controls
// that are gone. Menus go into the menu bar; a popup menu pops up where the
// pointer is when the form names it for a right click.
#pragma once

#include <QPointer>
#include <QRect>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "ui/qt/ControlInput.h"
#include "ui/qt/ControlWidgets.h"

class QMenuBar;

struct TFormViewParts {
    // Where a control sits in its container; a control without a place is
    // stacked below its container's earlier ones (buttons side by side).
    std::function<std::optional<QRect>(const std::string& name)> Place;
    // A widget of the window's own for a control, already in its place; null
    // leaves the control to the standard widgets.
    std::function<QWidget*(const TControlState& control, QWidget& container)> Make;
    // Where the form's top menus go; without one menus are not drawn.
    QMenuBar* MenuBar = nullptr;
    // Lays out a new tab page from its design, before its controls are bound.
    std::function<void(const std::string& name, QWidget& page)> DesignPage;
};

class TFormView {
public:
    TFormView(TFormModel& form, QWidget& root, TDeliver deliver, TFormViewParts parts = {});
    TFormView(const TFormView&) = delete;
    TFormView& operator=(const TFormView&) = delete;

    void Sync();
    // The widget or menu action drawing a control; null when there is none.
    QObject* Drawn(const std::string& name) const;
    QWidget* Widget(const std::string& name) const;

private:
    struct TBound {
        QPointer<QObject> Object;
        // Where child controls go: the widget's inner area, or a menu.
        QPointer<QWidget> Container;
        std::optional<TControlLook> Shown;
        uint64_t Seen = 0;
    };

    void Walk();
    TBound Make(const TControlState& control);
    QAction* MakeAction(const TControlState& control, TBound* parent, TBound& bound);
    void PopUp(const std::string& menu, const QPoint& where);
    void Place(QWidget& widget, const TControlState& control, QWidget& container);
    void Show(TBound& bound, const TControlState& control);
    void ShowWidget(QWidget& widget, const TControlState& control, const TControlLook& look, const TControlLook* before);
    void Unbind(const TBound& bound);
    TBound* Find(const std::string& name);

    TFormModel& Form;
    QWidget& Root;
    TControlInput Input;
    TFormViewParts Parts;
    std::map<std::string, TBound> Bound;
    uint64_t Generation = 0;
    bool Syncing = false;
    bool SyncAgain = false;
};

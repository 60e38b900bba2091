// Forms as models: every window and dialog is a named set of control states with
// handlers. The engine reads and writes the states; a host draws them and delivers
// input by control name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Font.h"

class ICanvas;
struct TPicture;

enum class TControlKind {
    Label,
    Button,
    RadioButton,
    CheckBox,
    Edit,
    // Multi-line text in Text; read-only.
    Memo,
    SpinEdit,
    ListBox,
    ComboBox,
    Gauge,
    Image,
    Panel,
    GroupBox,
    ScrollBox,
    PageControl,
    TabSheet,
    PaintBox,
    DrawGrid,
    RichEdit,
    Menu,
    MenuItem,
    // A context menu: shown where the pointer is, over the control it was opened on.
    PopupMenu,
    StatusBar,
};

enum class TCursor { Default, HandPoint };

// "Use the host's usual colour" for Color.
constexpr TColor clDefault = 0xFF000000;

// Handlers receive the name of the control that fired, as a control may be
// freed by its own handler.
using THandler = std::function<void(const std::string& sender)>;
// A handler told the point of the control the pointer is at.
using TPointHandler = std::function<void(int x, int y)>;

struct TControlState {
    std::string Name;
    TControlKind Kind = TControlKind::Label;
    // The containing control's name; empty for the form itself.
    std::string Parent;

    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    TColor Color = clDefault;
    TColor FontColor = clBlack;
    std::string Hint;
    int64_t Tag = 0;
    std::vector<std::string> Items;
    int ItemIndex = -1;
    int Position = 0;
    int Max = 100;
    std::shared_ptr<const TPicture> Picture;
    TCursor Cursor = TCursor::Default;
    std::string Text;
    // The user may drag the control onto another (drag-over decides where).
    bool Draggable = false;

    THandler OnClick;
    THandler OnDblClick;
    THandler OnMouseEnter;
    THandler OnMouseLeave;
    THandler OnMouseDown;
    THandler OnMouseUp;
    THandler OnChange;
    // Painted areas draw through a canvas on request: a host that shows the
    // control as pixels calls it on every paint.
    std::function<void(ICanvas& canvas)> OnPaint;
    // The pointer moving over the control, and a left click, at a point of its own.
    TPointHandler OnMouseMoveAt;
    TPointHandler OnClickAt;
};

class EControlNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

class TFormModel {
public:
    explicit TFormModel(std::string name, std::string caption = {});
    virtual ~TFormModel();
    TFormModel(const TFormModel&) = delete;
    TFormModel& operator=(const TFormModel&) = delete;

    const std::string& Name() const { return FName; }

    TControlState& Add(const std::string& name, TControlKind kind, const std::string& parent = {});
    void Remove(const std::string& name);
    TControlState* Find(const std::string& name);
    const TControlState* Find(const std::string& name) const;
    // Raises EControlNotFound naming the control and the form.
    TControlState& Control(const std::string& name);
    const TControlState& Control(const std::string& name) const;
    // In creation order, for hosts that draw every control.
    const std::vector<std::unique_ptr<TControlState>>& Controls() const { return FControls; }

    // Whether the control and every container around it are visible.
    bool IsShown(const TControlState& control) const;

    // Whether the user could click the control now: it is there, and it and
    // every control it sits on are shown and enabled.
    bool CanClick(const std::string& name) const;
    // Input as the user gives it. Each returns false, doing nothing, when the control
    // is missing, hidden or disabled (a click the user could not have made).
    bool Click(const std::string& name);
    bool DblClick(const std::string& name);
    bool MouseEnter(const std::string& name);
    bool MouseLeave(const std::string& name);
    bool MouseDown(const std::string& name);
    bool MouseUp(const std::string& name);
    // A painted area drawn on canvas; false when it paints nothing.
    bool Paint(const std::string& name, ICanvas& canvas);
    bool MouseMoveAt(const std::string& name, int x, int y);
    bool ClickAt(const std::string& name, int x, int y);
    // Selects a list or drop-down entry and fires the change handler.
    bool Select(const std::string& name, int index);
    // Sets an edit field's text and fires the change handler.
    bool SetText(const std::string& name, const std::string& text);

    virtual void KeyUp(int key);
    // Whether source may be dropped on target.
    virtual bool DragOver(const std::string& source, const std::string& target);
    virtual void DragDrop(const std::string& source, const std::string& target);
    // A right click on a control: the name of the context menu to show over it,
    // or empty for none.
    virtual std::string ContextPopup(const std::string& name);
    // The close button. Dialogs close as cancelled; a window may refuse.
    virtual bool CloseQuery();

    std::string Caption;
    int ModalResult = mrNone;

private:
    bool Usable(const TControlState* control) const;
    bool Fire(const std::string& name, THandler TControlState::*handler);
    bool FireAt(const std::string& name, TPointHandler TControlState::*handler, int x, int y);

    std::string FName;
    std::vector<std::unique_ptr<TControlState>> FControls;
    std::map<std::string, TControlState*> ByName;
};

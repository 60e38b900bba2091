#include "platform/FormModel.h"

TFormModel::TFormModel(std::string name, std::string caption) : Caption(std::move(caption)), FName(std::move(name)) {}

TFormModel::~TFormModel() = default;

TControlState& TFormModel::Add(const std::string& name, TControlKind kind, const std::string& parent)
{
    if (ByName.count(name))
        throw std::logic_error("Control \"" + name + "\" already exists on form " + FName);
    auto control = std::make_unique<TControlState>();
    control->Name = name;
    control->Kind = kind;
    control->Parent = parent;
    TControlState& added = *control;
    FControls.push_back(std::move(control));
    ByName[name] = &added;
    return added;
}

void TFormModel::Remove(const std::string& name)
{
    const auto found = ByName.find(name);
    if (found == ByName.end())
        return;
    const TControlState* control = found->second;
    ByName.erase(found);
    std::erase_if(FControls, [control](const auto& owned) { return owned.get() == control; });
}

TControlState* TFormModel::Find(const std::string& name)
{
    const auto found = ByName.find(name);
    return found == ByName.end() ? nullptr : found->second;
}

const TControlState* TFormModel::Find(const std::string& name) const
{
    const auto found = ByName.find(name);
    return found == ByName.end() ? nullptr : found->second;
}

TControlState& TFormModel::Control(const std::string& name)
{
    if (TControlState* control = Find(name))
        return *control;
    throw EControlNotFound("Control \"" + name + "\" not found on form " + FName);
}

const TControlState& TFormModel::Control(const std::string& name) const
{
    return const_cast<TFormModel*>(this)->Control(name);
}

namespace {

// A control counts only when it and every container around it pass the test.
// The depth bound guards against a parent cycle.
template <typename Passes>
bool AllTheWayUp(const TFormModel& form, const TControlState* control, Passes passes)
{
    for (int depth = 0; control && depth < 64; ++depth) {
        if (!passes(*control))
            return false;
        if (control->Parent.empty())
            return true;
        control = form.Find(control->Parent);
    }
    return false;
}

} // namespace

bool TFormModel::Usable(const TControlState* control) const
{
    return AllTheWayUp(*this, control, [](const TControlState& c) { return c.Visible && c.Enabled; });
}

bool TFormModel::CanClick(const std::string& name) const
{
    return Usable(Find(name));
}

bool TFormModel::IsShown(const TControlState& control) const
{
    return AllTheWayUp(*this, &control, [](const TControlState& c) { return c.Visible; });
}

bool TFormModel::Fire(const std::string& name, THandler TControlState::*handler)
{
    // Copies, since both the name and the handler may belong to a control that
    // the handler frees.
    const std::string sender = name;
    TControlState* control = Find(sender);
    if (!Usable(control))
        return false;
    // The handler may free its own control, so it runs from a copy.
    const THandler run = control->*handler;
    if (run)
        run(sender);
    return true;
}

bool TFormModel::Click(const std::string& name)
{
    TControlState* control = Find(name);
    if (!Usable(control))
        return false;
    if (control->Kind == TControlKind::RadioButton) {
        for (const auto& other : FControls)
            if (other->Kind == TControlKind::RadioButton && other->Parent == control->Parent)
                other->Checked = false;
        control->Checked = true;
    } else if (control->Kind == TControlKind::CheckBox) {
        control->Checked = !control->Checked;
    }
    return Fire(name, &TControlState::OnClick);
}

bool TFormModel::DblClick(const std::string& name) { return Fire(name, &TControlState::OnDblClick); }
bool TFormModel::MouseEnter(const std::string& name) { return Fire(name, &TControlState::OnMouseEnter); }
bool TFormModel::MouseLeave(const std::string& name) { return Fire(name, &TControlState::OnMouseLeave); }
bool TFormModel::MouseDown(const std::string& name) { return Fire(name, &TControlState::OnMouseDown); }
bool TFormModel::MouseUp(const std::string& name) { return Fire(name, &TControlState::OnMouseUp); }

bool TFormModel::Paint(const std::string& name, ICanvas& canvas)
{
    TControlState* control = Find(name);
    if (!control || !control->OnPaint || !IsShown(*control))
        return false;
    const auto paint = control->OnPaint;
    paint(canvas);
    return true;
}

bool TFormModel::MouseMoveAt(const std::string& name, int x, int y)
{
    return FireAt(name, &TControlState::OnMouseMoveAt, x, y);
}

bool TFormModel::ClickAt(const std::string& name, int x, int y)
{
    return FireAt(name, &TControlState::OnClickAt, x, y);
}

bool TFormModel::FireAt(const std::string& name, TPointHandler TControlState::*handler, int x, int y)
{
    TControlState* control = Find(name);
    if (!Usable(control) || !(control->*handler))
        return false;
    // A copy: the handler may remove its own control.
    const auto fire = control->*handler;
    fire(x, y);
    return true;
}

bool TFormModel::Select(const std::string& name, int index)
{
    TControlState* control = Find(name);
    if (!Usable(control) || index < -1 || index >= static_cast<int>(control->Items.size()))
        return false;
    control->ItemIndex = index;
    return Fire(name, &TControlState::OnChange);
}

bool TFormModel::SetText(const std::string& name, const std::string& text)
{
    TControlState* control = Find(name);
    if (!Usable(control))
        return false;
    control->Text = text;
    return Fire(name, &TControlState::OnChange);
}

void TFormModel::KeyUp(int) {}

bool TFormModel::DragOver(const std::string&, const std::string&)
{
    return false;
}

void TFormModel::DragDrop(const std::string&, const std::string&) {}

std::string TFormModel::ContextPopup(const std::string&)
{
    return {};
}

bool TFormModel::CloseQuery()
{
    ModalResult = mrCancel;
    return true;
}

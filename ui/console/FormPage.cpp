#include "ui/console/FormPage.h"

#include <set>

#include "app/CreateForm.h"
#include "data/Convert.h"
#include "data/Utf8Text.h"
#include "platform/FormModel.h"
#include "rules/Item.h"
#include "ui/console/StatsSheet.h"

namespace {

const char* const AbilityNames[] = {"Strength", "Dexterity", "Mind Power", "Faith", "Constitution"};

bool Clickable(const TControlState& control)
{
    return control.Kind == TControlKind::Button || control.Kind == TControlKind::RadioButton ||
           control.Kind == TControlKind::CheckBox;
}

// A button of the form itself, or a label that acts as one (CLOSE).
bool OwnButton(const TControlState& control)
{
    return control.Parent.empty() &&
           (control.Kind == TControlKind::Button || (control.Kind == TControlKind::Label && control.OnClick));
}

// The information dialog's arrows scroll its text, which the page shows whole.
bool ScrollsShownText(const TFormModel& form, const TControlState& control)
{
    return form.Name() == "FrmGraphicInfo" && control.Name.rfind("SpeedButton", 0) == 0;
}

bool IsList(const TControlState& control)
{
    return control.Kind == TControlKind::ListBox || control.Kind == TControlKind::ComboBox;
}

// The word a field answers to: "name" for EditName, "text" for a field named by number.
std::string FieldWord(const TControlState& field)
{
    std::string word = LowerCase(field.Name.rfind("Edit", 0) == 0 ? field.Name.substr(4) : field.Name);
    return word.empty() || word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos ? "text" : word;
}

// What a spin is called, and the label that names its level, when there is one.
struct TSpinWords {
    std::string Name;
    std::string LevelLabel;
};

TSpinWords SpinWords(const TControlState& spin)
{
    if (!spin.Caption.empty())
        return {spin.Caption, {}};
    for (size_t ability = 0; ability < AbilitySpins.size(); ++ability)
        if (spin.Name == AbilitySpins[ability])
            return {AbilityNames[ability], {}};
    for (size_t mastery = 0; mastery < WeaponSpins.size(); ++mastery)
        if (spin.Name == WeaponSpins[mastery])
            return {WeaponTypes[mastery].Stem, "Lbl_WM_" + std::to_string(mastery + 1)};
    return {spin.Name, {}};
}

bool HasStepButtons(const TFormModel& form, const TControlState& control)
{
    return form.Find(control.Name + "Up") && form.Find(control.Name + "Down");
}

} // namespace

void TFormPage::Draw(const TFormModel& form, std::ostream& out)
{
    out << "[" << AsUtf8(form.Caption.empty() ? form.Name() : form.Caption) << "]\n";
    Numbers.clear();
    for (const auto& control : form.Controls())
        if (OwnButton(*control) && !ScrollsShownText(form, *control))
            Numbers.push_back({control->Name});
    auto number = [this](const std::string& name, int entry = -1) {
        Numbers.push_back({name, entry});
        return std::to_string(Numbers.size());
    };
    // Up and down buttons go on their spin's line, level labels too.
    std::set<std::string> drawnWithOthers;
    std::vector<std::string> fields;
    // The statistics dialog's labels are drawn as its sheet.
    const bool sheet = IsStatsForm(form);
    if (sheet)
        DrawStatsSheet(form, out);
    for (const auto& control : form.Controls()) {
        if (sheet || !form.IsShown(*control) || control->Kind == TControlKind::Panel || OwnButton(*control) ||
            drawnWithOthers.count(control->Name))
            continue;
        if (HasStepButtons(form, *control)) {
            drawnWithOthers.insert(control->Name + "Up");
            drawnWithOthers.insert(control->Name + "Down");
            const TSpinWords words = SpinWords(*control);
            const std::string name = control->Kind == TControlKind::SpinEdit
                                         ? words.Name + " " + std::to_string(control->Position)
                                         : control->Caption;
            // A skill place the class leaves empty.
            if (name.empty())
                continue;
            out << "     " << AsUtf8(name);
            if (const TControlState* level = form.Find(words.LevelLabel)) {
                out << " " << AsUtf8(level->Caption);
                drawnWithOthers.insert(level->Name);
            }
            const std::string up = number(control->Name + "Up");
            out << "   (" << up << " raises, " << number(control->Name + "Down") << " lowers)\n";
        } else if (Clickable(*control)) {
            out << "  " << number(control->Name) << ". " << AsUtf8(control->Caption);
            if (control->Kind != TControlKind::Button)
                out << (control->Checked ? " (x)" : " ( )");
            out << (control->Enabled ? "" : " (not available)") << '\n';
        } else if (control->Kind == TControlKind::Edit) {
            fields.push_back(FieldWord(*control));
            const std::string label = fields.back();
            out << "     " << char(label[0] - 'a' + 'A') << label.substr(1) << ": "
                << (control->Text.empty() ? "(not given yet)" : AsUtf8(control->Text)) << '\n';
        } else if (IsList(*control)) {
            if (!control->Caption.empty())
                out << "     " << AsUtf8(control->Caption) << '\n';
            for (size_t entry = 0; entry < control->Items.size(); ++entry)
                out << "  " << number(control->Name, static_cast<int>(entry)) << ". " << AsUtf8(control->Items[entry])
                    << (control->ItemIndex == static_cast<int>(entry) ? " (x)" : "") << '\n';
            if (control->Items.empty())
                out << "     (nothing listed)\n";
        } else if (control->Kind == TControlKind::PaintBox) {
            // A painted text, whole: the terminal scrolls it.
            for (const std::string& line : control->Items)
                out << (Trim(line).empty() ? "" : "     " + AsUtf8(Trim(line))) << '\n';
        } else if (!control->Caption.empty() || !control->Text.empty()) {
            // Labels, memos and gauges with something to say.
            std::string text = AsUtf8(control->Caption + control->Text);
            for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 6)
                text.insert(at + 1, "     ");
            out << "     " << text << '\n';
        }
    }
    std::string own;
    for (size_t index = 0; index < Numbers.size(); ++index) {
        const TControlState* button = form.Find(Numbers[index].Control);
        if (!OwnButton(*button))
            break;
        if (form.IsShown(*button) && button->Enabled)
            own += "   " + std::to_string(index + 1) + ". " + AsUtf8(button->Caption);
    }
    if (!own.empty())
        out << own << '\n';
    out << "(a number chooses";
    for (const std::string& field : fields)
        out << "; " << field << " and a text fills the " << field;
    out << "; close leaves; help explains)\n";
}

std::optional<std::string> TFormPage::LineFor(const TFormModel& form, int number, std::string& why) const
{
    const TControlState* control =
        number >= 1 && number <= static_cast<int>(Numbers.size()) ? form.Find(Numbers[number - 1].Control) : nullptr;
    if (!control || !form.IsShown(*control)) {
        why = "There is no " + std::to_string(number) + " on this page: choose one of the numbers shown.";
        return std::nullopt;
    }
    if (!control->Enabled) {
        why = AsUtf8(control->Caption) + " cannot be chosen now.";
        return std::nullopt;
    }
    const TNumbered& numbered = Numbers[number - 1];
    if (numbered.Entry >= 0)
        return "select " + numbered.Control + " " + std::to_string(numbered.Entry);
    return "click " + numbered.Control;
}

std::optional<std::string> TFormPage::FieldLine(const TFormModel& form, const std::string& typed) const
{
    const std::string text = Trim(typed);
    const size_t blank = text.find(' ');
    const std::string word = LowerCase(text.substr(0, blank));
    for (const auto& control : form.Controls())
        if (control->Kind == TControlKind::Edit && form.IsShown(*control) && FieldWord(*control) == word)
            return "type " + control->Name + " " + (blank == std::string::npos ? "" : Trim(text.substr(blank)));
    return std::nullopt;
}

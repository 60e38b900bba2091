#include "ui/qt/ControlWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>

#include "data/Picture.h"
#include "ui/qt/PaintedControl.h"
#include "ui/qt/ParchmentView.h"
#include "ui/qt/PictureLabel.h"
#include "ui/qt/QtConvert.h"

namespace {

// A gauge left at the host's usual colour.
constexpr TColor GaugeColor = clBlue;

// What changed between two looks; everything when nothing was shown yet.
class TChanges {
public:
    TChanges(const TControlLook& look, const TControlLook* before) : Look(look), Before(before) {}

    template <typename T>
    bool operator()(T TControlLook::*field) const
    {
        return !Before || Before->*field != Look.*field;
    }

private:
    const TControlLook& Look;
    const TControlLook* Before;
};

// Gauges, pictures, the output pane and the painted areas draw their own colours.
bool TakesColors(TControlKind kind)
{
    switch (kind) {
    case TControlKind::Gauge:
    case TControlKind::Image:
    case TControlKind::RichEdit:
    case TControlKind::PaintBox:
    case TControlKind::DrawGrid:
    case TControlKind::PageControl:
    case TControlKind::TabSheet:
        return false;
    default:
        return true;
    }
}

void ShowColors(QWidget& widget, TColor color, TColor fontColor)
{
    // An empty palette sets only the roles named here; the rest is inherited.
    QPalette palette;
    if (color != clDefault)
        palette.setColor(widget.backgroundRole(), ToQColor(color));
    // Disabled text keeps the style's grey.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, widget.foregroundRole(), ToQColor(fontColor));
    widget.setPalette(palette);
    widget.setAutoFillBackground(color != clDefault);
}

void ShowCaption(QWidget& widget, const QString& caption)
{
    if (dynamic_cast<TPictureLabel*>(&widget))
        return;
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        group->setTitle(caption);
}

void ShowItems(QWidget& widget, const std::vector<std::string>& items)
{
    QStringList entries;
    for (const std::string& item : items)
        entries << ToQt(item);
    const QSignalBlocker blocker(&widget);
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        combo->clear();
        combo->addItems(entries);
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        list->clear();
        list->addItems(entries);
    }
}

void ShowGauge(QProgressBar& bar, const TControlLook& look, const TChanges& changed)
{
    if (changed(&TControlLook::Max) || changed(&TControlLook::Position)) {
        // A range of 0..0 would make Qt's bar run busy.
        const int maximum = std::max(look.Max, 1);
        bar.setRange(0, maximum);
        bar.setValue(std::clamp(look.Position, 0, maximum));
    }
    if (changed(&TControlLook::Color)) {
        const QColor color = ToQColor(look.Color == clDefault ? GaugeColor : look.Color);
        bar.setStyleSheet(QStringLiteral("QProgressBar { background: black; border: none; }"
                                         "QProgressBar::chunk { background: %1; }")
                              .arg(color.name()));
    }
}

} // namespace

TControlLook LookOf(const TControlState& control)
{
    return TControlLook{control.Caption, control.Enabled, control.Visible, control.Color,   control.FontColor,
                        control.Hint,    control.Tag,     control.Items,   control.Position, control.Max,
                        control.Picture, control.Cursor,  control.Text};
}

QWidget* MakeControlWidget(TControlKind kind, QWidget* parent)
{
    switch (kind) {
    case TControlKind::Label:
    case TControlKind::StatusBar: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case TControlKind::Button:
        return new QPushButton(parent);
    case TControlKind::RadioButton: {
        // The model keeps one button of a container checked, not Qt.
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    case TControlKind::CheckBox:
        return new QCheckBox(parent);
    case TControlKind::Edit:
        return new QLineEdit(parent);
    case TControlKind::SpinEdit: {
        // Its value changes through the buttons beside it, never by typing.
        auto* value = new QLabel(parent);
        value->setTextFormat(Qt::PlainText);
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
        return value;
    }
    case TControlKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return memo;
    }
    case TControlKind::ListBox:
        return new QListWidget(parent);
    case TControlKind::ComboBox:
        return new QComboBox(parent);
    case TControlKind::Gauge: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        return bar;
    }
    case TControlKind::Image:
        return new TPictureLabel(parent);
    case TControlKind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    case TControlKind::GroupBox:
        return new QGroupBox(parent);
    case TControlKind::ScrollBox: {
        auto* box = new QScrollArea(parent);
        box->setWidgetResizable(true);
        box->setWidget(new QWidget);
        return box;
    }
    case TControlKind::PageControl:
        return new QTabWidget(parent);
    case TControlKind::PaintBox:
    case TControlKind::DrawGrid:
        return new TPaintedControl(parent);
    case TControlKind::RichEdit: {
        auto* pane = new QTextEdit(parent);
        pane->setReadOnly(true);
        return pane;
    }
    case TControlKind::TabSheet:
        return new QWidget(parent);
    case TControlKind::Menu:
    case TControlKind::MenuItem:
    case TControlKind::PopupMenu:
        break;
    }
    return nullptr;
}

QWidget* ContainerOf(QWidget& widget)
{
    if (auto* box = qobject_cast<QScrollArea*>(&widget))
        return box->widget();
    return &widget;
}

void ShowLook(QWidget& widget, TControlKind kind, const TControlLook& look, const TControlLook* before)
{
    const TChanges changed(look, before);
    if (changed(&TControlLook::Enabled))
        widget.setEnabled(look.Enabled);
    if (changed(&TControlLook::Hint))
        widget.setToolTip(ToQt(look.Hint));
    if (changed(&TControlLook::Cursor)) {
        if (look.Cursor == TCursor::HandPoint)
            widget.setCursor(Qt::PointingHandCursor);
        else
            widget.unsetCursor();
    }
    if (TakesColors(kind) && (changed(&TControlLook::Color) || changed(&TControlLook::FontColor)))
        ShowColors(widget, look.Color, look.FontColor);
    if (kind == TControlKind::SpinEdit) {
        if (changed(&TControlLook::Position))
            ShowCaption(widget, QString::number(look.Position));
    } else if (changed(&TControlLook::Caption)) {
        ShowCaption(widget, ToQt(look.Caption));
    }
    if (changed(&TControlLook::Items))
        ShowItems(widget, look.Items);
    if (changed(&TControlLook::Text))
        if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget))
            memo->setPlainText(ToQt(look.Text));
    if (changed(&TControlLook::Picture))
        if (auto* picture = dynamic_cast<TPictureLabel*>(&widget))
            picture->SetPicture(look.Picture ? ToQImage(*look.Picture) : QImage());
    if (auto* bar = qobject_cast<QProgressBar*>(&widget))
        ShowGauge(*bar, look, changed);
    if (auto* parchment = dynamic_cast<TParchmentView*>(&widget))
        parchment->Show(look);
    // What a painted area shows lies in the engine: any change may have moved it.
    if (auto* painted = dynamic_cast<TPaintedControl*>(&widget))
        painted->update();
    // Last, so that a control appears with its content in place.
    if (changed(&TControlLook::Visible))
        widget.setVisible(look.Visible);
}

void ShowActionLook(QAction& action, const TControlLook& look, const TControlLook* before)
{
    const TChanges changed(look, before);
    if (changed(&TControlLook::Caption)) {
        action.setSeparator(look.Caption == "-");
        action.setText(ToQt(look.Caption));
    }
    if (changed(&TControlLook::Enabled))
        action.setEnabled(look.Enabled);
    if (changed(&TControlLook::Visible))
        action.setVisible(look.Visible);
    if (changed(&TControlLook::Hint))
        action.setToolTip(ToQt(look.Hint));
}

void ShowTabLook(QTabWidget& tabs, QWidget& page, const TControlLook& look, const TControlLook* before)
{
    const int index = tabs.indexOf(&page);
    if (index < 0)
        return;
    const TChanges changed(look, before);
    // Hiding the current tab moves Qt to another one: that is no choice of the user.
    const QSignalBlocker blocker(&tabs);
    if (changed(&TControlLook::Caption)) {
        tabs.setTabText(index, ToQt(look.Caption));
        page.setAccessibleName(ToQt(look.Caption));
    }
    if (changed(&TControlLook::Enabled))
        tabs.setTabEnabled(index, look.Enabled);
    if (changed(&TControlLook::Visible))
        tabs.setTabVisible(index, look.Visible);
    if (changed(&TControlLook::Hint))
        tabs.setTabToolTip(index, ToQt(look.Hint));
}

void ShowInput(QObject& object, const TControlState& control)
{
    const QSignalBlocker blocker(&object);
    if (auto* action = qobject_cast<QAction*>(&object)) {
        // A check item shows its mark only while checked, as menus do.
        if (action->isCheckable() != control.Checked || action->isChecked() != control.Checked) {
            action->setCheckable(control.Checked);
            action->setChecked(control.Checked);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        if (button->isCheckable() && button->isChecked() != control.Checked)
            button->setChecked(control.Checked);
    } else if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        if (combo->currentIndex() != control.ItemIndex)
            combo->setCurrentIndex(control.ItemIndex);
    } else if (auto* list = qobject_cast<QListWidget*>(&object)) {
        if (list->currentRow() != control.ItemIndex)
            list->setCurrentRow(control.ItemIndex);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(&object)) {
        if (control.ItemIndex >= 0 && control.ItemIndex < tabs->count() && tabs->currentIndex() != control.ItemIndex)
            tabs->setCurrentIndex(control.ItemIndex);
    } else if (auto* edit = qobject_cast<QLineEdit*>(&object)) {
        const QString text = ToQt(control.Text);
        if (edit->text() != text)
            edit->setText(text);
    }
}

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/FormModel.h"
#include "ui/qt/FormView.h"

namespace {

// A window drawn from a small form, with input delivered as the host does it:
// the handler, then a sync.
class FormViewTest : public ::testing::Test {
protected:
    FormViewTest()
    {
        Form.Add("Caption", TControlKind::Label).Caption = "Hello";
        Form.Add("BtnGo", TControlKind::Button).Caption = "Go";
        Form.Add("Health", TControlKind::Gauge);
        Form.Add("Box", TControlKind::ScrollBox);
        Form.Add("Choice1", TControlKind::Label, "Box").Caption = "1. Continue...";
        Form.Add("Radio1", TControlKind::RadioButton).Caption = "Brenna";
        Form.Add("Radio2", TControlKind::RadioButton).Caption = "Tomas";
        auto& combo = Form.Add("Combo", TControlKind::ComboBox);
        combo.Items = {"EMPTY", "Sword"};
        combo.ItemIndex = 0;
        Root.resize(400, 600);
        Root.show();
    }

    // Draws, lays out, and lets removed widgets go.
    void Sync()
    {
        View.Sync();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A button is hit on its caption, at its left end.
    void ClickButton(const std::string& name)
    {
        QWidget* button = View.Widget(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    template <typename T>
    T* Drawn(const std::string& name)
    {
        return qobject_cast<T*>(View.Drawn(name));
    }

    TFormModel Form{"Form", "A form"};
    QWidget Root;
    TFormView View{Form, Root, [this](const std::function<void()>& handler) {
                       handler();
                       View.Sync();
                   }};
    std::vector<std::string> Heard;
};

} // namespace

TEST_F(FormViewTest, EveryControlGetsAWidgetOfItsKindNamedAfterIt)
{
    Sync();
    ASSERT_NE(Drawn<QLabel>("Caption"), nullptr);
    EXPECT_EQ(Drawn<QLabel>("Caption")->text(), "Hello");
    EXPECT_EQ(Drawn<QLabel>("Caption")->objectName(), "Caption");
    ASSERT_NE(Drawn<QPushButton>("BtnGo"), nullptr);
    EXPECT_EQ(Drawn<QPushButton>("BtnGo")->text(), "Go");
    EXPECT_NE(Drawn<QProgressBar>("Health"), nullptr);
    EXPECT_NE(Drawn<QRadioButton>("Radio1"), nullptr);
    ASSERT_NE(Drawn<QComboBox>("Combo"), nullptr);
    EXPECT_EQ(Drawn<QComboBox>("Combo")->count(), 2);
    EXPECT_EQ(Drawn<QComboBox>("Combo")->currentText(), "EMPTY");
    // A scroll box's controls go inside it.
    const auto* box = Drawn<QScrollArea>("Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(View.Widget("Choice1")->parentWidget(), box->widget());
}

TEST_F(FormViewTest, ChangesInTheModelAreDrawnAndNothingElse)
{
    Sync();
    auto& caption = Form.Control("Caption");
    caption.Caption = "Bye";
    caption.Hint = "a hint";
    caption.Cursor = TCursor::HandPoint;
    Form.Control("BtnGo").Enabled = false;
    Form.Control("Health").Max = 50;
    Form.Control("Health").Position = 10;
    Form.Control("Combo").ItemIndex = 1;
    Form.Control("Radio2").Visible = false;
    Sync();
    const auto* label = Drawn<QLabel>("Caption");
    EXPECT_EQ(label->text(), "Bye");
    EXPECT_EQ(label->toolTip(), "a hint");
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(View.Widget("BtnGo")->isEnabled());
    EXPECT_EQ(Drawn<QProgressBar>("Health")->maximum(), 50);
    EXPECT_EQ(Drawn<QProgressBar>("Health")->value(), 10);
    EXPECT_EQ(Drawn<QComboBox>("Combo")->currentText(), "Sword");
    EXPECT_TRUE(View.Widget("Radio2")->isHidden());

    // What the model did not change is not drawn again.
    Drawn<QLabel>("Caption")->setText("scribbled");
    Sync();
    EXPECT_EQ(Drawn<QLabel>("Caption")->text(), "scribbled");
}

TEST_F(FormViewTest, ControlsAddedAtRunTimeStackAndRemovedOnesGo)
{
    Sync();
    Form.Add("Choice2", TControlKind::Label, "Box").Caption = "2. Leave";
    Sync();
    QWidget* second = View.Widget("Choice2");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->parentWidget(), Drawn<QScrollArea>("Box")->widget());
    EXPECT_GT(second->y(), View.Widget("Choice1")->y());

    const QPointer<QWidget> gone = second;
    Form.Remove("Choice2");
    Sync();
    EXPECT_EQ(View.Widget("Choice2"), nullptr);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(FormViewTest, InputReachesTheModelByName)
{
    Form.Control("BtnGo").OnClick = [this](const std::string& sender) { Heard.push_back("click " + sender); };
    auto& label = Form.Control("Caption");
    for (auto [handler, word] : {std::pair{&TControlState::OnMouseEnter, "enter"}, {&TControlState::OnMouseDown, "down"},
                                 {&TControlState::OnMouseUp, "up"}, {&TControlState::OnClick, "click"}})
        label.*handler = [this, word = std::string(word)](const std::string& sender) {
            Heard.push_back(word + " " + sender);
        };
    Sync();
    QTest::mouseClick(View.Widget("BtnGo"), Qt::LeftButton);
    QWidget* caption = View.Widget("Caption");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(caption, &enter);
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(Heard, (std::vector<std::string>{"click BtnGo", "enter Caption", "down Caption", "up Caption",
                                               "click Caption"}));

    QComboBox* combo = Drawn<QComboBox>("Combo");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(Form.Control("Combo").ItemIndex, 1);
}

TEST_F(FormViewTest, CheckedButtonsFollowTheModelNotQt)
{
    Sync();
    ClickButton("Radio1");
    EXPECT_TRUE(Form.Control("Radio1").Checked);
    ClickButton("Radio2");
    EXPECT_FALSE(Drawn<QRadioButton>("Radio1")->isChecked());
    EXPECT_TRUE(Drawn<QRadioButton>("Radio2")->isChecked());
    // A click on a checked radio button leaves it checked, as the model says.
    ClickButton("Radio2");
    EXPECT_TRUE(Drawn<QRadioButton>("Radio2")->isChecked());
}

TEST_F(FormViewTest, AControlMayRemoveItselfFromItsOwnClick)
{
    Form.Control("Choice1").OnClick = [this](const std::string& sender) { Form.Remove(sender); };
    Sync();
    const QPointer<QWidget> label = View.Widget("Choice1");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(Form.Find("Choice1"), nullptr);
    EXPECT_TRUE(label.isNull() || label->isHidden());
    Sync();
    EXPECT_TRUE(label.isNull());
}

namespace {

// A form with its Options menu in the menu bar; input goes straight to the model.
class FormViewMenus : public ::testing::Test {
protected:
    FormViewMenus() { Form.Add("MenuOptions", TControlKind::Menu).Caption = "Options"; }

    TFormModel Form{"Form"};
    QWidget Root;
    QMenuBar Bar;
    TFormView View{Form, Root, [](const std::function<void()>& handler) { handler(); }, TFormViewParts{{}, {}, &Bar, {}}};
};

} // namespace

TEST_F(FormViewMenus, MenusAreActionsOfTheMenuBar)
{
    Form.Add("TurnBased", TControlKind::MenuItem, "MenuOptions").Caption = "Turn Based";
    Form.Add("N1", TControlKind::MenuItem, "MenuOptions").Caption = "-";
    Form.Add("FontSize", TControlKind::MenuItem, "MenuOptions").Caption = "Font Size";
    auto& larger = Form.Add("Larger", TControlKind::MenuItem, "FontSize");
    larger.Caption = "Larger";
    int clicks = 0;
    larger.OnClick = [&clicks](const std::string&) { ++clicks; };
    View.Sync();

    ASSERT_EQ(Bar.actions().size(), 1);
    EXPECT_EQ(Bar.actions()[0]->text(), "Options");
    const auto* turnBased = qobject_cast<QAction*>(View.Drawn("TurnBased"));
    ASSERT_NE(turnBased, nullptr);
    EXPECT_FALSE(turnBased->isCheckable());
    EXPECT_TRUE(qobject_cast<QAction*>(View.Drawn("N1"))->isSeparator());
    auto* fontSize = qobject_cast<QAction*>(View.Drawn("FontSize"));
    ASSERT_NE(fontSize->menu(), nullptr);
    EXPECT_EQ(fontSize->menu()->actions().size(), 1);

    Form.Control("TurnBased").Checked = true;
    Form.Control("MenuOptions").Enabled = false;
    View.Sync();
    EXPECT_TRUE(turnBased->isCheckable() && turnBased->isChecked());
    EXPECT_FALSE(Bar.actions()[0]->isEnabled());

    qobject_cast<QAction*>(View.Drawn("Larger"))->trigger();
    // The model refuses an item of a disabled menu.
    EXPECT_EQ(clicks, 0);
    Form.Control("MenuOptions").Enabled = true;
    qobject_cast<QAction*>(View.Drawn("Larger"))->trigger();
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormViewMenus, APopupMenuIsAMenuOfItsOwnKeptInStep)
{
    Form.Add("PopupBackpack", TControlKind::PopupMenu);
    Form.Add("UseItem", TControlKind::MenuItem, "PopupBackpack").Caption = "Use";
    Form.Add("GiveItem", TControlKind::MenuItem, "PopupBackpack").Caption = "Give to";
    auto& give = Form.Add("GiveTo_1", TControlKind::MenuItem, "GiveItem");
    give.Caption = "Brenna";
    std::vector<std::string> clicked;
    give.OnClick = [&clicked](const std::string& sender) { clicked.push_back(sender); };
    View.Sync();

    // Not in the menu bar, and hidden until asked for.
    ASSERT_EQ(Bar.actions().size(), 1);
    EXPECT_EQ(Bar.actions()[0]->text(), "Options");
    auto* menu = Root.findChild<QMenu*>("PopupBackpack");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Use");
    QMenu* submenu = menu->actions()[1]->menu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->actions()[0]->text(), "Brenna");

    // Entries come and go with the item the menu is opened on.
    Form.Add("CustomAction0", TControlKind::MenuItem, "PopupBackpack").Caption = "Light the wick";
    Form.Control("UseItem").Enabled = false;
    View.Sync();
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[2]->text(), "Light the wick");
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    Form.Remove("CustomAction0");
    View.Sync();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(menu->actions().size(), 2);

    submenu->actions()[0]->trigger();
    EXPECT_EQ(clicked, std::vector<std::string>{"GiveTo_1"});
}

TEST(FormViewTabs, TabSheetsArePagesOfThePageControl)
{
    TFormModel form("Form");
    auto& pages = form.Add("Pages", TControlKind::PageControl);
    pages.Items = {"Main", "Character 1", "Map"};
    pages.ItemIndex = 0;
    form.Add("Sheet1", TControlKind::TabSheet, "Pages").Caption = "Main";
    form.Add("Sheet2", TControlKind::TabSheet, "Pages").Caption = "Character 1";
    form.Add("Sheet3", TControlKind::TabSheet, "Pages").Caption = "Map";
    form.Add("Level1", TControlKind::Label, "Sheet2");
    QWidget root;
    TFormView* drawn = nullptr;
    TFormView view(form, root, [&drawn](const std::function<void()>& handler) {
        handler();
        drawn->Sync();
    });
    drawn = &view;
    view.Sync();

    auto* tabs = qobject_cast<QTabWidget*>(view.Drawn("Pages"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), "Character 1");
    EXPECT_EQ(view.Widget("Level1")->parentWidget(), tabs->widget(1));

    form.Control("Sheet2").Caption = "Brenna";
    form.Control("Sheet2").Enabled = false;
    form.Control("Sheet3").Visible = false;
    pages.ItemIndex = 1;
    view.Sync();
    EXPECT_EQ(tabs->tabText(1), "Brenna");
    EXPECT_FALSE(tabs->isTabEnabled(1));
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_EQ(tabs->currentIndex(), 1);

    // The user's choice of a tab is the page control's.
    tabs->setCurrentIndex(0);
    EXPECT_EQ(pages.ItemIndex, 0);
}

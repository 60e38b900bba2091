// The pointer on a form's widgets as a player uses it: dragging a label onto
// another control, clicking and double-clicking it, and the right click that
// pops up the form's context menu.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/FormModel.h"
#include "ui/qt/ControlDrag.h"
#include "ui/qt/FormView.h"

namespace {

// Two backpack labels, a sword hand and the backpack's menu; only Item1 may go
// into the hand, and only Item1 has a menu.
class TBackpackForm : public TFormModel {
public:
    TBackpackForm() : TFormModel("Backpack")
    {
        for (const char* name : {"Item1", "Item2"}) {
            TControlState& label = Add(name, TControlKind::Label);
            label.Caption = std::string("Sword from ") + name;
            label.Draggable = true;
            label.OnClick = [this](const std::string& sender) { Heard.push_back("click " + sender); };
            label.OnDblClick = [this](const std::string& sender) { Heard.push_back("dblclick " + sender); };
        }
        Add("Hand", TControlKind::ComboBox).Items = {"EMPTY"};
        Add("PopupBackpack", TControlKind::PopupMenu);
        Add("UseItem", TControlKind::MenuItem, "PopupBackpack").Caption = "Use";
    }

    bool DragOver(const std::string& source, const std::string& target) override
    {
        Heard.push_back("over " + source + " " + target);
        return source == "Item1" && target == "Hand";
    }
    void DragDrop(const std::string& source, const std::string& target) override
    {
        Heard.push_back("drop " + source + " " + target);
    }
    std::string ContextPopup(const std::string& name) override
    {
        Heard.push_back("popup " + name);
        return name == "Item1" ? "PopupBackpack" : "";
    }

    std::vector<std::string> Heard;
};

class ControlInputTest : public ::testing::Test {
protected:
    ControlInputTest()
    {
        Root.resize(300, 200);
        View.Sync();
        Root.show();
        QCoreApplication::processEvents();
    }

    QWidget* Widget(const std::string& name) { return View.Widget(name); }

    // The drag a press and a move on the widget started, if any.
    QDrag* DragBy(QWidget* widget, int distance)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseMove(widget, QPoint(4 + distance, 4));
        return widget->findChild<QDrag*>();
    }

    TBackpackForm Form;
    QWidget Root;
    TFormView View{Form, Root, [this](const std::function<void()>& handler) {
                       handler();
                       View.Sync();
                   }};
};

} // namespace

TEST_F(ControlInputTest, APressMovedFarEnoughDragsTheControlWithItsCaption)
{
    QWidget* label = Widget("Item1");
    EXPECT_EQ(DragBy(label, QApplication::startDragDistance() - 1), nullptr);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(4, 4));

    QDrag* drag = DragBy(label, QApplication::startDragDistance() + 2);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(DraggedControl(QDropEvent(QPointF(), Qt::MoveAction, drag->mimeData(), {}, {})), "Item1");
    // The caption goes along under the pointer.
    EXPECT_GT(drag->pixmap().deviceIndependentSize().width(),
              QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Sword from Item1")));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(40, 4));
    // The press that became a drag is no click.
    EXPECT_EQ(Form.Heard, std::vector<std::string>{"click Item1"});
}

TEST_F(ControlInputTest, OnlyDraggableEnabledControlsAreDragged)
{
    Form.Control("Item1").Draggable = false;
    Form.Control("Item2").Enabled = false;
    View.Sync();
    for (const char* name : {"Item1", "Item2", "Hand"})
        EXPECT_EQ(DragBy(Widget(name), 40), nullptr) << name;
}

TEST_F(ControlInputTest, ClicksAndDoubleClicksOnADraggableLabelStillArrive)
{
    QTest::mouseClick(Widget("Item1"), Qt::LeftButton);
    QTest::mouseDClick(Widget("Item2"), Qt::LeftButton);
    ASSERT_FALSE(Form.Heard.empty());
    EXPECT_EQ(Form.Heard.front(), "click Item1");
    EXPECT_EQ(Form.Heard.back(), "dblclick Item2");
}

TEST_F(ControlInputTest, TheFormDecidesWhereADragMayDrop)
{
    QDrag* drag = DragBy(Widget("Item1"), 40);
    ASSERT_NE(drag, nullptr);
    struct TCase {
        const char* Target;
        bool Allowed;
    };
    for (const TCase& target : {TCase{"Item2", false}, TCase{"Hand", true}}) {
        QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(Widget(target.Target), &enter);
        EXPECT_EQ(enter.isAccepted(), target.Allowed) << target.Target;
    }
    // Asked again as the pointer moves over the control entered last.
    QDragMoveEvent move(QPoint(3, 3), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(Widget("Hand"), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(Form.Heard, (std::vector<std::string>{"over Item1 Item2", "over Item1 Hand", "over Item1 Hand"}));

    // Something that is no control is nobody's business.
    QMimeData text;
    text.setText(QStringLiteral("Item1"));
    QDragEnterEvent foreign(QPoint(2, 2), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(Widget("Hand"), &foreign);
    EXPECT_EQ(Form.Heard.size(), 3u);
}

TEST_F(ControlInputTest, ADropReachesTheFormOnceTheDragIsOver)
{
    QDrag* drag = DragBy(Widget("Item1"), 40);
    ASSERT_NE(drag, nullptr);
    // Qt drops where the drag entered last.
    QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(Widget("Hand"), &enter);
    Form.Heard.clear();
    QDropEvent drop(QPointF(2, 2), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(Widget("Hand"), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(Form.Heard.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(Form.Heard, std::vector<std::string>{"drop Item1 Hand"});
}

TEST_F(ControlInputTest, ARightClickPopsUpTheMenuTheFormNamesWithoutWaiting)
{
    auto* menu = Root.findChild<QMenu*>("PopupBackpack");
    ASSERT_NE(menu, nullptr);
    const QPoint where = Widget("Item2")->mapToGlobal(QPoint(5, 5));
    QContextMenuEvent none(QContextMenuEvent::Mouse, QPoint(5, 5), where);
    QCoreApplication::sendEvent(Widget("Item2"), &none);
    EXPECT_FALSE(menu->isVisible());

    QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(5, 5), Widget("Item1")->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(Widget("Item1"), &asked);
    EXPECT_TRUE(asked.isAccepted());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), Widget("Item1")->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(Form.Heard, (std::vector<std::string>{"popup Item2", "popup Item1"}));
    menu->hide();
}

// A painted area drawn by the engine through a canvas, and the pointer's moves
// and clicks on it, delivered at the points where they happen.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/FormModel.h"
#include "ui/qt/FormView.h"

namespace {

const QRect Place(10, 10, 200, 100);

TFormViewParts Placed()
{
    TFormViewParts parts;
    parts.Place = [](const std::string&) { return std::optional<QRect>(Place); };
    return parts;
}
// Where the engine fills, in the area's own coordinates.
const TRect Filled{20, 10, 60, 40};

class PaintedControlTest : public ::testing::Test {
protected:
    PaintedControlTest()
    {
        Root.resize(300, 200);
        Root.show();
    }

    TControlState& AddArea(TControlKind kind)
    {
        TControlState& area = Form.Add("Area", kind);
        area.OnPaint = [](ICanvas& canvas) { canvas.FillRect(Filled, clRed); };
        area.OnMouseMoveAt = [this, &area](int x, int y) {
            Heard.push_back("move " + std::to_string(x) + " " + std::to_string(y));
            area.Cursor = TCursor::HandPoint;
        };
        area.OnClickAt = [this](int x, int y) {
            Heard.push_back("click at " + std::to_string(x) + " " + std::to_string(y));
        };
        area.OnClick = [this](const std::string&) { Heard.push_back("click"); };
        View.Sync();
        QCoreApplication::processEvents();
        return area;
    }

    TFormModel Form{"Form", "A form"};
    QWidget Root;
    TFormView View{Form, Root,
                   [this](const std::function<void()>& handler) {
                       handler();
                       View.Sync();
                   },
                   Placed()};
    std::vector<std::string> Heard;
};

} // namespace

TEST_F(PaintedControlTest, TheEngineDrawsPageBoxesAndGridsDisabledOrNot)
{
    struct TCase {
        TControlKind Kind;
        bool Enabled;
    };
    for (const TCase& painted : {TCase{TControlKind::PaintBox, true}, TCase{TControlKind::DrawGrid, false}}) {
        AddArea(painted.Kind).Enabled = painted.Enabled;
        View.Sync();
        const QImage drawn = View.Widget("Area")->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(Filled.Left, Filled.Top), QColor(Qt::red));
        EXPECT_EQ(drawn.pixelColor(Filled.Right - 1, Filled.Bottom - 1), QColor(Qt::red));
        EXPECT_NE(drawn.pixelColor(Filled.Right, Filled.Bottom), QColor(Qt::red));
        Form.Remove("Area");
        View.Sync();
    }
}

TEST_F(PaintedControlTest, MovesAndClicksArriveAtTheAreasOwnPoints)
{
    AddArea(TControlKind::PaintBox);
    QWidget* area = View.Widget("Area");
    QTest::mouseMove(area, QPoint(25, 35));
    ASSERT_FALSE(Heard.empty());
    EXPECT_EQ(Heard.back(), "move 25 35");
    // The engine's cursor for the point shows at once.
    EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    // Clicked where the pointer is, so that no move comes between.
    Heard.clear();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(25, 35));
    EXPECT_EQ(Heard, (std::vector<std::string>{"click at 25 35", "click"}));
}

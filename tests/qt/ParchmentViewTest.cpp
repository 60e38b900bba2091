// The item information's text area: its lines from the first in view on the
// parchment, drawn at the screen's own resolution, and the wheel's notches.
#include <QCoreApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "app/GraphicInfoForm.h"
#include "data/Picture.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/ParchmentView.h"

namespace {

TControlLook Text(std::vector<std::string> lines, int first)
{
    TControlLook look;
    look.Items = std::move(lines);
    look.Position = first;
    return look;
}

// The view as the screen shows it at that scale.
QImage Drawn(TParchmentView& view, qreal scale)
{
    QImage image(view.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    view.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

void Turn(TParchmentView& view, int angle)
{
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &wheel);
}

} // namespace

TEST(ParchmentView, TheLinesAreDrawnFromTheFirstInView)
{
    TParchmentView scrolled, unscrolled, blank;
    scrolled.Show(Text({"Out of view above", "A broad-bladed knife"}, 1));
    unscrolled.Show(Text({"A broad-bladed knife"}, 0));
    blank.Show(Text({}, 0));
    EXPECT_EQ(Drawn(scrolled, 1), Drawn(unscrolled, 1));
    EXPECT_NE(Drawn(unscrolled, 1), Drawn(blank, 1));
}

TEST(ParchmentView, ThePictureFillsTheWidthTheTagGives)
{
    TParchmentView view;
    EXPECT_EQ(view.size(), QSize(TFrmGraphicInfo::AreaWidth, TFrmGraphicInfo::AreaHeight));
    auto parchment = std::make_shared<TPicture>();
    parchment->Width = parchment->Height = 2;
    parchment->Pixels.assign(4, 0xFF00FF00u);
    TControlLook look = Text({"A knife"}, 0);
    look.Picture = parchment;
    look.Tag = 300;
    view.Show(look);
    EXPECT_EQ(view.width(), 300);
    const QImage drawn = Drawn(view, 1);
    for (const QPoint corner : {QPoint(1, 1), QPoint(298, 328)})
        EXPECT_EQ(drawn.pixelColor(corner), QColor(Qt::green)) << corner.x();
}

TEST(ParchmentView, TheTextIsDrawnSharpAtDoubleScaleNotEnlarged)
{
    TParchmentView view;
    view.Show(Text({"A broad-bladed knife"}, 0));
    const QImage twice = Drawn(view, 2);
    EXPECT_NE(twice, Drawn(view, 1).scaled(twice.size()));
}

TEST(ParchmentView, EachWholeNotchOfTheWheelIsTold)
{
    TParchmentView view;
    std::vector<int> told;
    view.OnWheel = [&told](int notches) { told.push_back(notches); };
    // Away from the reader is towards the text's start; half notches add up.
    Turn(view, 120);
    Turn(view, -60);
    Turn(view, -60);
    Turn(view, -60);
    Turn(view, -300);
    EXPECT_EQ(told, (std::vector<int>{-1, 1, 3}));
}

#include <gtest/gtest.h>

#include "ui/qt/QtCanvas.h"

TEST(QtCanvas, MeasuresTextInItsFont)
{
    TQtCanvas canvas(100, 50);
    TFont font;
    canvas.SetFont(font);
    const int small = canvas.TextWidth("Journal");
    EXPECT_GT(small, canvas.TextWidth("Jour"));
    EXPECT_GT(canvas.TextHeight("Journal"), 0);
    font.Size = 18;
    canvas.SetFont(font);
    EXPECT_GT(canvas.TextWidth("Journal"), small);
}

TEST(QtCanvas, DrawsWithRightAndBottomJustOutside)
{
    TQtCanvas canvas(20, 20);
    canvas.FillRect({2, 2, 6, 6}, clRed);
    EXPECT_EQ(canvas.Image().pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(canvas.Image().pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(canvas.Image().pixel(6, 6), 0xFFFFFFFFu);
    canvas.FrameRect({10, 10, 15, 15}, clBlue);
    EXPECT_EQ(canvas.Image().pixel(14, 10), 0xFF0000FFu);
    EXPECT_EQ(canvas.Image().pixel(12, 12), 0xFFFFFFFFu);
}

TEST(QtCanvas, TextIsDrawnBelowAndRightOfItsCorner)
{
    TQtCanvas canvas(60, 30);
    TFont font;
    font.Color = clBlack;
    canvas.SetFont(font);
    canvas.TextOut(5, 5, "Hm");
    const QImage& image = canvas.Image();
    bool inked = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFFu) {
                EXPECT_GE(x, 5);
                EXPECT_GE(y, 5);
                inked = true;
            }
    EXPECT_TRUE(inked);
}

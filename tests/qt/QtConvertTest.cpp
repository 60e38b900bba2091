#include <gtest/gtest.h>

#include "data/Picture.h"
#include "ui/qt/QtConvert.h"

TEST(QtConvert, DecodesUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(ToQt("Caf\xC3\xA9"), QString::fromUtf8("Caf\xC3\xA9"));
    // A lone 0xE9 is no UTF-8: the byte is é in Latin-1.
    EXPECT_EQ(ToQt("Caf\xE9"), QString(QStringLiteral("Caf")) + QChar(0xE9));
    EXPECT_EQ(FromQt(ToQt("Caf\xC3\xA9")), "Caf\xC3\xA9");
}

TEST(QtConvert, FontsKeepTheirStylesAndASaneSize)
{
    TFont font;
    font.Name = "Courier";
    font.Size = 500;
    font.Bold = font.Italic = font.Underline = font.StrikeOut = true;
    const QFont converted = ToQFont(font);
    EXPECT_EQ(converted.family(), "Courier");
    EXPECT_EQ(converted.pointSize(), 200);
    EXPECT_TRUE(converted.bold() && converted.italic() && converted.underline() && converted.strikeOut());
    font.Size = 0;
    EXPECT_EQ(ToQFont(font).pointSize(), 1);
}

TEST(QtConvert, PicturesKeepTheirPixels)
{
    TPicture picture;
    picture.Width = 2;
    picture.Height = 2;
    picture.Pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80FFFFFFu};
    const QImage image = ToQImage(picture);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0x80);
    picture.Pixels.pop_back();
    EXPECT_TRUE(ToQImage(picture).isNull());
}

TEST(QtConvert, FileFiltersTakeQtsForm)
{
    EXPECT_EQ(ToQtFileFilter("Character files|*.chr"), "Character files (*.chr)");
    EXPECT_EQ(ToQtFileFilter("Pictures|*.jpg;*.bmp|All|*.*"), "Pictures (*.jpg *.bmp);;All (*.*)");
    EXPECT_EQ(ToQtFileFilter("Exported Character File (*.chr)|*.chr"), "Exported Character File (*.chr)");
}

TEST(QtConvert, AMissingWindowsFaceFallsBackToAFaceOfItsKind)
{
    struct TCase {
        const char* Face;
        QFont::StyleHint Kind;
    };
    for (const TCase& face : {TCase{"Bookman Old Style", QFont::Serif}, TCase{"times new roman", QFont::Serif},
                              TCase{"Courier New", QFont::TypeWriter}, TCase{"Arial", QFont::AnyStyle}}) {
        TFont font;
        font.Name = face.Face;
        EXPECT_EQ(ToQFont(font).styleHint(), face.Kind) << face.Face;
    }
}

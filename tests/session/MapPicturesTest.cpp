#include <gtest/gtest.h>

#include "data/Picture.h"
#include "support/BitmapBytes.h"
#include "support/SessionFixture.h"

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Magenta = 0xFF00FF;
constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

class MapPicturesTest : public SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        OpenAdventure("insert into general (name, value) values ('EncImg', '0');");
        Folder->WriteImage("town.bmp", BitmapBytes(6, 4, std::vector<uint32_t>(24, White)));
        // A red dot on a see-through magenta ground.
        Folder->WriteImage("whereami.bmp", BitmapBytes(2, 2, {Red, Magenta, Magenta, Magenta}));
        Folder->WriteImage("flag.bmp", BitmapBytes(2, 2, {Blue, Blue, Magenta, Blue}));
        GameClient().AddMapPicture("town", "town.bmp", "The Town");
    }

    // The shown picture's pixel at x, y as 0xRRGGBB.
    uint32_t Shown(int x, int y)
    {
        const auto& picture = Form().Control("ImgMap").Picture;
        return picture ? picture->Pixels[static_cast<size_t>(y) * picture->Width + x] & 0xFFFFFF : 0xDEAD;
    }
};

} // namespace

TEST_F(MapPicturesTest, MarkersAreAddedMovedAndRemoved)
{
    GameClient().AddMapPicture("town", "flag.bmp", "Again");
    GameClient().AddMapPicture("cave", "missing.bmp", "Cave");
    EXPECT_EQ(Form().Control("ComboMapTitle").Items, std::vector<std::string>{"The Town"});

    GameClient().UpdateMapMarker("town", "here", 1, 1, 2, "whereami.bmp");
    GameClient().UpdateMapMarker("town", "here", 1, 3, 3, "flag.bmp");
    GameClient().UpdateMapMarker("town", "goal", 1, 0, 5, "flag.bmp");
    GameClient().UpdateMapMarker("town", "lost", 1, 0, 0, "missing.bmp");
    GameClient().UpdateMapMarker("nowhere", "here", 1, 0, 0, "flag.bmp");
    EXPECT_EQ(GameClient().MapPictures,
              std::vector<std::string>{"town=town.bmp|The Town|here,whereami.bmp,2,1|goal,flag.bmp,5,0"});

    ASSERT_TRUE(Form().Select("ComboMapTitle", 0));
    EXPECT_EQ(Shown(2, 1), Red);
    // The marker's ground lets the map show through.
    EXPECT_EQ(Shown(3, 1), White);
    EXPECT_EQ(Shown(5, 0), Blue);

    // Moved while shown: the picture follows.
    GameClient().UpdateMapMarker("town", "here", 3, 2, 0, "");
    EXPECT_EQ(Shown(2, 1), White);
    EXPECT_EQ(Shown(0, 2), Red);
    GameClient().UpdateMapMarker("town", "goal", 2, 0, 0, "");
    EXPECT_EQ(Shown(5, 0), White);
    EXPECT_EQ(GameClient().MapPictures, std::vector<std::string>{"town=town.bmp|The Town|here,whereami.bmp,0,2"});
}

TEST_F(MapPicturesTest, YouAreHereLiesOverEveryOtherMarker)
{
    GameClient().UpdateMapMarker("town", "here", 1, 0, 0, "whereami.bmp");
    GameClient().UpdateMapMarker("town", "goal", 1, 0, 0, "flag.bmp");
    ASSERT_TRUE(Form().Select("ComboMapTitle", 0));
    EXPECT_EQ(Shown(0, 0), Red);
}

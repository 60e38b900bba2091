#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/PicturePath.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

// Picture names come from the adventure, so they may try to leave Images by any
// route; what is not a readable file inside it counts as a missing picture.
TEST(PicturePathTest, OnlyFilesInsideImagesAreFound)
{
    TTempFolder temp;
    const fs::path game = temp / "Game";
    fs::create_directories(game / "Images" / "maps");
    fs::create_directories(game / "Images" / "folder.bmp");
    std::ofstream(game / "data.db") << "the adventure";
    std::ofstream(temp / "secret.bmp") << "outside";
    std::ofstream(game / "Images" / "logo.bmp") << "inside";
    std::ofstream(game / "Images" / "maps" / "north.jpg") << "inside";
    fs::create_symlink(temp / "secret.bmp", game / "Images" / "link.bmp");
    fs::create_symlink(temp.Path, game / "Images" / "up");
    fs::create_symlink(game / "Images" / "logo.bmp", game / "Images" / "alias.bmp");

    struct Case {
        const char* name;
        const char* found;  // relative to Images, null for a missing picture
    };
    const Case cases[] = {
        {"logo.bmp", "logo.bmp"},
        {"maps\\north.jpg", "maps/north.jpg"},
        {"maps/north.jpg", "maps/north.jpg"},
        {"maps\\..\\logo.bmp", nullptr},
        {"..\\..\\secret.bmp", nullptr},
        {"../../secret.bmp", nullptr},
        {"..\\data.db", nullptr},
        {"\\etc\\passwd", nullptr},
        {"/etc/passwd", nullptr},
        {"link.bmp", nullptr},
        {"up\\secret.bmp", nullptr},
        {"alias.bmp", "logo.bmp"},
        {"folder.bmp", nullptr},
        {"maps", nullptr},
        {"missing.bmp", nullptr},
        {"", nullptr},
    };
    const fs::path images = fs::canonical(game / "Images");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = PicturePath(game.string(), c.name);
        if (c.found) {
            ASSERT_TRUE(path.has_value());
            EXPECT_EQ(*path, images / c.found);
        } else {
            EXPECT_FALSE(path.has_value()) << *path;
        }
    }
    EXPECT_FALSE(PicturePath("", "logo.bmp").has_value());
}

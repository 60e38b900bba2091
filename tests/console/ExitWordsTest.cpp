#include <gtest/gtest.h>

#include "support/EngineFixture.h"
#include "ui/console/ExitWords.h"
#include "world/Location.h"

namespace {

using ExitWordsTest = EngineFixture;

// Each way on is named with the word that takes it; a way on no compass point
// is taken from the exits list, and a way with no destination is not a way on.
TEST_F(ExitWordsTest, EveryWayOnSaysTheWordThatTakesIt)
{
    TLocation here;
    EXPECT_EQ(WaysOn(here), "none");
    here.Exits = {{"down into the nave", 1503, 3}, {"out through the doors", 1501, 12}, {"up the stair", 1414, 9},
                  {"the slot in the wall", 1506, 13}, {"a bricked-up arch", 0, 2}, {"the font", 1504, 6}};
    EXPECT_EQ(WaysOn(here), "down into the nave (south), out through the doors (out), up the stair (up), "
                            "the slot in the wall (exits), the font (northwest)");
}

} // namespace

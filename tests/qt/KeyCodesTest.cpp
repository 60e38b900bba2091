#include <gtest/gtest.h>

#include "platform/Keys.h"
#include "ui/qt/KeyCodes.h"

TEST(KeyCodes, KeypadKeysAreTheNumpadCodes)
{
    EXPECT_EQ(EngineKey(Qt::Key_5, Qt::KeypadModifier), VK_NUMPAD5);
    EXPECT_EQ(EngineKey(Qt::Key_0, Qt::KeypadModifier), VK_NUMPAD0);
    EXPECT_EQ(EngineKey(Qt::Key_Plus, Qt::KeypadModifier), VK_ADD);
    EXPECT_EQ(EngineKey(Qt::Key_Minus, Qt::KeypadModifier), VK_SUBTRACT);
    // The keypad's Enter and arrows are the ordinary ones.
    EXPECT_EQ(EngineKey(Qt::Key_Enter, Qt::KeypadModifier), VK_RETURN);
    EXPECT_EQ(EngineKey(Qt::Key_Up, Qt::KeypadModifier), VK_UP);
}

TEST(KeyCodes, OrdinaryKeys)
{
    EXPECT_EQ(EngineKey(Qt::Key_Return, Qt::NoModifier), VK_RETURN);
    EXPECT_EQ(EngineKey(Qt::Key_Space, Qt::NoModifier), VK_SPACE);
    EXPECT_EQ(EngineKey(Qt::Key_Left, Qt::NoModifier), VK_LEFT);
    EXPECT_EQ(EngineKey(Qt::Key_Down, Qt::NoModifier), VK_DOWN);
    EXPECT_EQ(EngineKey(Qt::Key_N, Qt::ShiftModifier), 'N');
    // A digit off the keypad, or a key the engine has no code for, is nothing.
    EXPECT_EQ(EngineKey(Qt::Key_5, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(EngineKey(Qt::Key_F1, Qt::NoModifier), std::nullopt);
}

// Key codes the forms receive, numbered as the virtual keys the engine's rules name.
#pragma once

enum TKey : int {
    VK_RETURN = 13,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_NUMPAD0 = 96,
    VK_NUMPAD1,
    VK_NUMPAD2,
    VK_NUMPAD3,
    VK_NUMPAD4,
    VK_NUMPAD5,
    VK_NUMPAD6,
    VK_NUMPAD7,
    VK_NUMPAD8,
    VK_NUMPAD9,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
};

// Letters are their upper-case character codes: 'N' is 78.
constexpr int KeyOfLetter(char letter)
{
    return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
}

#include "ui/qt/KeyCodes.h"

#include "platform/Keys.h"

std::optional<int> EngineKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    if (keypad && qtKey == Qt::Key_Plus)
        return VK_ADD;
    if (keypad && qtKey == Qt::Key_Minus)
        return VK_SUBTRACT;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return KeyOfLetter(static_cast<char>('A' + (qtKey - Qt::Key_A)));
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        return std::nullopt;
    }
}

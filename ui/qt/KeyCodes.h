// Qt keys as the engine's key codes: arrows, Enter, Space, the keypad and letters.
#pragma once

#include <Qt>
#include <optional>

// nullopt for a key the engine has no code for.
std::optional<int> EngineKey(int qtKey, Qt::KeyboardModifiers modifiers);

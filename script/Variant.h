// The value of a script variable: a boolean, a 64-bit integer or a string.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

using TVariant = std::variant<bool, int64_t, std::string>;

// The text conversions every stored row and file goes through: strict and lenient
// forms agree, a number reads back from its own text, and trimming and letter case
// keep every other byte.
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "data/Convert.h"

namespace {

template <typename Number, typename Strict>
std::optional<Number> Strictly(Strict strict, const std::string& text)
{
    try {
        return strict(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

void CheckIntegers(const std::string& text)
{
    const auto value32 = Strictly<int32_t>(StrToInt, text);
    const auto value64 = Strictly<int64_t>(StrToInt64, text);
    FUZZ_CHECK(StrToIntDef(text, 7) == value32.value_or(7) && StrToIntDef(text, 8) == value32.value_or(8),
               "the lenient integer disagrees with the strict one");
    FUZZ_CHECK(StrToInt64Def(text, 7) == value64.value_or(7) && StrToInt64Def(text, 8) == value64.value_or(8),
               "the lenient 64-bit integer disagrees with the strict one");
    const bool fits = value64 && *value64 >= std::numeric_limits<int32_t>::min() &&
                      *value64 <= std::numeric_limits<int32_t>::max();
    FUZZ_CHECK(fits == value32.has_value() && (!fits || *value32 == *value64),
               "32-bit and 64-bit readings disagree");
    if (value64) {
        FUZZ_CHECK(StrToInt64(std::to_string(*value64)) == *value64, "a 64-bit number does not read back");
        FUZZ_CHECK(StrToBool(text) == (*value64 != 0), "a number read as a boolean is not its truth");
    }
}

void CheckBoolean(const std::string& text)
{
    const auto value = Strictly<bool>(StrToBool, text);
    FUZZ_CHECK(StrToBoolDef(text, true) == value.value_or(true) && StrToBoolDef(text, false) == value.value_or(false),
               "the lenient boolean disagrees with the strict one");
    if (value)
        FUZZ_CHECK(StrToBool(BoolToStr(*value)) == *value, "a boolean does not read back from its text");
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

void CheckTrim(const std::string& text)
{
    const std::string trimmed = Trim(text);
    FUZZ_CHECK(trimmed.empty() || (!IsBlank(trimmed.front()) && !IsBlank(trimmed.back())), "Trim left a blank");
    FUZZ_CHECK(text.find(trimmed) != std::string::npos && Trim(trimmed) == trimmed, "Trim lost inner text");
}

void CheckLetterCase(const std::string& text)
{
    const std::string upper = UpperCase(text);
    const std::string lower = LowerCase(text);
    FUZZ_CHECK(upper.size() == text.size() && lower.size() == text.size(), "letter case changed the length");
    FUZZ_CHECK(UpperCase(lower) == upper && LowerCase(upper) == lower, "letter case does not go back and forth");
    for (size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        FUZZ_CHECK(letter || (upper[index] == c && lower[index] == c), "letter case changed a byte that is no letter");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckIntegers(text);
    CheckBoolean(text);
    CheckTrim(text);
    CheckLetterCase(text);

    // Every number reads back from the text it is written as, signed or blank-led.
    int64_t number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    const std::string written = std::to_string(number);
    FUZZ_CHECK(StrToInt64(written) == number && StrToInt64("  " + written) == number, "a number does not read back");
    if (number >= 0)
        FUZZ_CHECK(StrToInt64("+" + written) == number, "a signed number does not read back");
    return 0;
}

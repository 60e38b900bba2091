#include "data/Convert.h"

#include <limits>
#include <optional>

namespace {

std::optional<int64_t> ParseInteger(const std::string& text, int64_t low, int64_t high)
{
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the lowest value fits.
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value < (std::numeric_limits<int64_t>::min() + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == std::numeric_limits<int64_t>::min())
            return std::nullopt;
        value = -value;
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int64_t> ParseInt32(const std::string& text)
{
    return ParseInteger(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

std::optional<int64_t> ParseInt64(const std::string& text)
{
    return ParseInteger(text, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max());
}

std::optional<bool> ParseBool(const std::string& text)
{
    const std::string word = UpperCase(Trim(text));
    if (word == "TRUE")
        return true;
    if (word == "FALSE")
        return false;
    if (const auto number = ParseInt64(text))
        return *number != 0;
    return std::nullopt;
}

[[noreturn]] void RaiseNotInteger(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

int32_t StrToInt(const std::string& text)
{
    const auto value = ParseInt32(text);
    if (!value)
        RaiseNotInteger(text);
    return static_cast<int32_t>(*value);
}

int64_t StrToInt64(const std::string& text)
{
    const auto value = ParseInt64(text);
    if (!value)
        RaiseNotInteger(text);
    return *value;
}

int32_t StrToIntDef(const std::string& text, int32_t fallback)
{
    return static_cast<int32_t>(ParseInt32(text).value_or(fallback));
}

int64_t StrToInt64Def(const std::string& text, int64_t fallback)
{
    return ParseInt64(text).value_or(fallback);
}

bool StrToBool(const std::string& text)
{
    const auto value = ParseBool(text);
    if (!value)
        throw EConvertError("'" + text + "' is not a valid boolean value");
    return *value;
}

bool StrToBoolDef(const std::string& text, bool fallback)
{
    return ParseBool(text).value_or(fallback);
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

// ASCII only: stored texts are byte strings, whatever the locale.
std::string UpperCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string LowerCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

bool IsSmallNumber(const std::string& text)
{
    return !text.empty() && text.size() < 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

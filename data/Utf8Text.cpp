#include "data/Utf8Text.h"

namespace {

// The length of the well-formed UTF-8 sequence at text[at], or 0 when there is none.
size_t SequenceLength(const std::string& text, size_t at)
{
    const auto byte = [&text](size_t index) { return static_cast<unsigned char>(text[index]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        // No overlong forms and no surrogates.
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t next = at + 2; next < at + length; ++next)
        if (byte(next) < 0x80 || byte(next) > 0xBF)
            return 0;
    return length;
}

} // namespace

bool IsUtf8(const std::string& text)
{
    for (size_t at = 0; at < text.size();) {
        const size_t length = SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string AsUtf8(const std::string& text)
{
    if (IsUtf8(text))
        return text;
    std::string converted;
    converted.reserve(text.size() * 2);
    for (const unsigned char c : text) {
        if (c < 0x80) {
            converted += static_cast<char>(c);
        } else {
            converted += static_cast<char>(0xC0 | (c >> 6));
            converted += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return converted;
}

size_t CharacterCount(const std::string& text)
{
    if (!IsUtf8(text))
        return text.size();
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at += SequenceLength(text, at))
        ++count;
    return count;
}

std::string FirstCharacters(const std::string& text, size_t count)
{
    if (!IsUtf8(text))
        return text.substr(0, count);
    size_t at = 0;
    for (size_t taken = 0; taken < count && at < text.size(); ++taken)
        at += SequenceLength(text, at);
    return text.substr(0, at);
}

std::string FirstBytes(const std::string& text, size_t count)
{
    if (text.size() <= count || !IsUtf8(text))
        return text.substr(0, count);
    size_t at = count;
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return text.substr(0, at);
}

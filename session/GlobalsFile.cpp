#include "session/GlobalsFile.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "data/Utils.h"

namespace {

constexpr size_t VariantRecordSize = 16;
constexpr uint16_t TagInt32 = 3;
constexpr uint16_t TagBoolean = 11;
constexpr uint16_t TagInt64 = 20;

bool IsTextName(const std::string& name)
{
    return !name.empty() && name.front() == '$';
}

void PutLittleEndian(std::string& out, uint64_t value, int bytes)
{
    for (int index = 0; index < bytes; ++index)
        out.push_back(static_cast<char>((value >> (8 * index)) & 0xFF));
}

uint64_t GetLittleEndian(std::string_view bytes, size_t at, int count)
{
    uint64_t value = 0;
    for (int index = count - 1; index >= 0; --index)
        value = value << 8 | static_cast<unsigned char>(bytes[at + index]);
    return value;
}

std::string AsText(const TVariant& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "True" : "False";
    return std::to_string(std::get<int64_t>(value));
}

int64_t AsNumber(const TVariant& value)
{
    if (const auto* number = std::get_if<int64_t>(&value))
        return *number;
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? 1 : 0;
    const std::string& text = std::get<std::string>(value);
    int64_t number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

void WriteRecord(std::string& out, const TVariant& value)
{
    if (const auto* flag = std::get_if<bool>(&value)) {
        PutLittleEndian(out, TagBoolean, 2);
        PutLittleEndian(out, 0, 6);
        PutLittleEndian(out, *flag ? 0xFFFF : 0, 8);
        return;
    }
    const int64_t number = AsNumber(value);
    const bool small = number >= std::numeric_limits<int32_t>::min() && number <= std::numeric_limits<int32_t>::max();
    PutLittleEndian(out, small ? TagInt32 : TagInt64, 2);
    PutLittleEndian(out, 0, 6);
    PutLittleEndian(out, static_cast<uint64_t>(number), small ? 4 : 8);
    if (small)
        PutLittleEndian(out, 0, 4);
}

} // namespace

TGlobalsFiles WriteGlobals(const TGlobalVariables& globals)
{
    TGlobalsFiles files;
    for (const auto& [name, value] : globals) {
        files.Names += name + "\r\n";
        if (IsTextName(name)) {
            const std::string text = AsText(value);
            PutLittleEndian(files.Values, text.size(), 4);
            files.Values += text;
        } else {
            WriteRecord(files.Values, value);
        }
    }
    return files;
}

TReadGlobals ReadGlobals(std::string_view names, std::string_view values, bool haveValues)
{
    TReadGlobals read;
    if (!haveValues)
        return read;
    size_t at = 0;
    for (const std::string& name : SplitLines(std::string(names))) {
        const size_t left = values.size() - at;
        if (IsTextName(name)) {
            if (left < 4) {
                read.Error = "the value of " + name + " is cut short.";
                return read;
            }
            const uint64_t length = GetLittleEndian(values, at, 4);
            if (length > left - 4) {
                read.Error = "the text of " + name + " is cut short.";
                return read;
            }
            read.Globals.emplace_back(name, std::string(values.substr(at + 4, length)));
            at += 4 + length;
            continue;
        }
        if (left < VariantRecordSize) {
            read.Error = "the value of " + name + " is cut short.";
            return read;
        }
        const auto tag = static_cast<uint16_t>(GetLittleEndian(values, at, 2));
        TVariant value;
        if (tag == TagInt32)
            value = int64_t(static_cast<int32_t>(GetLittleEndian(values, at + 8, 4)));
        else if (tag == TagInt64)
            value = static_cast<int64_t>(GetLittleEndian(values, at + 8, 8));
        else if (tag == TagBoolean)
            value = GetLittleEndian(values, at + 8, 2) != 0;
        else {
            read.Error = "the value of " + name + " has the unknown type " + std::to_string(tag) + ".";
            return read;
        }
        read.Globals.emplace_back(name, std::move(value));
        at += VariantRecordSize;
    }
    if (at != values.size())
        read.Error = "it holds more values than names.";
    return read;
}

#include "data/Cipher.h"

#include <algorithm>

#include "data/Utils.h"

namespace {

constexpr std::array<uint8_t, 2048> MakeKeyMaterial()
{
    // A fixed splitmix64 stream: the same bytes on every build.
    std::array<uint8_t, 2048> bytes{};
    uint64_t state = 0x5EED0F41C0A1DA7Eull;
    for (size_t index = 0; index < bytes.size(); index += 8) {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        for (size_t part = 0; part < 8; ++part)
            bytes[index + part] = static_cast<uint8_t>(z >> (8 * part));
    }
    return bytes;
}

constexpr std::array<uint8_t, 256> MakeDecodeTable(const char* alphabet)
{
    std::array<uint8_t, 256> table{};
    for (uint8_t value = 0; value < 64; ++value)
        table[static_cast<unsigned char>(alphabet[value])] = value;
    return table;
}

TKeyTable MakeKey(int offset)
{
    // Offsets outside the material wrap instead of reading past it.
    const int start = ((offset % 2048) + 2048) % 2048;
    TKeyTable key{};
    for (size_t index = 0; index < key.size(); ++index)
        key[index] = KeyMaterial[index] ^ KeyMaterial[(start + index % 32) % 2048];
    return key;
}

// Every cipher here is the same repeating xor; only the key differs.
template <typename Bytes, typename Key>
void XorWithKey(Bytes& bytes, const Key& key)
{
    for (size_t index = 0; index < bytes.size(); ++index)
        bytes[index] = static_cast<typename Bytes::value_type>(static_cast<uint8_t>(bytes[index]) ^ key[index % key.size()]);
}

} // namespace

const std::array<uint8_t, 2048> KeyMaterial = MakeKeyMaterial();
const char SixBitAlphabet[65] = "RCv6/W0hOFlpUwQH4LB5bZnxNuf3MA79YV2d8EjgDk1cKsyqoItiXzGSTaJrP+em";
const std::array<uint8_t, 256> DecodeTable = MakeDecodeTable(SixBitAlphabet);

TKeyTables BuildKeyTables(int textOffset, int scriptOffset, int imageOffset)
{
    return TKeyTables{MakeKey(textOffset), MakeKey(scriptOffset), MakeKey(imageOffset)};
}

std::vector<std::string> DecipherLines(const std::vector<std::string>& source, const TKeyTable& key)
{
    std::string text;
    for (const std::string& line : source)
        text += line + "\r\n";

    std::string bytes;
    uint8_t carrier = 0;
    size_t position = 0;
    for (char c : text) {
        if (c == '.')
            break;
        const uint8_t value = DecodeTable[static_cast<unsigned char>(c)];
        if (position == 0) {
            carrier = value;
        } else {
            const int shift = 2 * static_cast<int>(position);
            bytes += static_cast<char>(((carrier << shift) & 0xC0) | value);
        }
        position = (position + 1) % 4;
    }
    XorWithKey(bytes, key);
    return SplitLines(bytes);
}

std::string EncipherLines(const std::vector<std::string>& lines, const TKeyTable& key)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    XorWithKey(bytes, key);

    std::string encoded;
    for (size_t start = 0; start < bytes.size(); start += 3) {
        const size_t count = std::min<size_t>(3, bytes.size() - start);
        uint8_t carrier = 0;
        for (size_t k = 0; k < count; ++k)
            carrier |= static_cast<uint8_t>((static_cast<uint8_t>(bytes[start + k]) >> 6) << (4 - 2 * k));
        encoded += SixBitAlphabet[carrier];
        for (size_t k = 0; k < count; ++k)
            encoded += SixBitAlphabet[static_cast<uint8_t>(bytes[start + k]) & 0x3F];
    }
    return encoded + ".";
}

std::vector<uint8_t> DecipherStream(const std::vector<uint8_t>& source, const TKeyTable& key)
{
    std::vector<uint8_t> target = source;
    XorWithKey(target, key);
    return target;
}

void CharacterFileCipher(std::vector<uint8_t>& bytes)
{
    XorWithKey(bytes, KeyMaterial);
}

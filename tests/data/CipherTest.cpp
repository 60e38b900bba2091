#include <gtest/gtest.h>

#include "data/Cipher.h"

using Lines = std::vector<std::string>;

TEST(CipherTest, AlphabetAndKeyTables)
{
    EXPECT_EQ(std::string(SixBitAlphabet).size(), 64u);
    for (int value = 0; value < 64; ++value)
        EXPECT_EQ(DecodeTable[static_cast<unsigned char>(SixBitAlphabet[value])], value);
    EXPECT_EQ(std::string(SixBitAlphabet).find('.'), std::string::npos);

    const TKeyTables same = BuildKeyTables(0, 0, 0);
    EXPECT_EQ(same.TextKey, same.ScriptKey);
    EXPECT_EQ(same.ScriptKey, same.ImageKey);
    const TKeyTables keys = BuildKeyTables(96, 544, 2016);
    EXPECT_NE(keys.TextKey, keys.ScriptKey);
    for (size_t index = 0; index < 512; ++index)
        EXPECT_EQ(keys.ImageKey[index], KeyMaterial[index] ^ KeyMaterial[2016 + index % 32]);
    // Offsets outside the material wrap rather than read past it.
    EXPECT_EQ(BuildKeyTables(2048 + 96, -2048 + 544, 0).TextKey, keys.TextKey);
}

TEST(CipherTest, LinesRoundTrip)
{
    const TKeyTable key = BuildKeyTables(320, 0, 0).TextKey;
    const Lines cases[] = {
        {"~<c:#FFEDAD;b>The Gate~<>", "", "*", "Ashes drift over the road."},
        {"a"},
        {"ab"},
        {"abc"},
        {std::string(1000, 'x') + "\xE9\xFF\x01"},
    };
    for (const Lines& lines : cases) {
        SCOPED_TRACE(lines.front());
        const std::string stored = EncipherLines(lines, key);
        EXPECT_EQ(stored.back(), '.');
        EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(DecipherLines({stored}, key), lines);
    }
    // The wrong key gives other text, never a failure.
    const std::string stored = EncipherLines({"secret"}, key);
    EXPECT_NE(DecipherLines({stored}, BuildKeyTables(0, 0, 0).TextKey), Lines{"secret"});
}

TEST(CipherTest, DecodingWithoutATerminatorRunsToTheEnd)
{
    const TKeyTable key{};  // all zero: the six-bit step alone
    // "R" is 0 and "C" is 1: carrier 0 then three bytes 1, 1, 1; then the line
    // break itself forms a group of two: "\r" as carrier, "\n" one more byte.
    const Lines decoded = DecipherLines({"RCCC"}, key);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0], std::string("\x01\x01\x01\x00", 4));
    // Garbage in any amount decodes to garbage, safely.
    std::string noise;
    for (int c = 0; c < 256; ++c)
        noise += static_cast<char>(c == '.' ? '!' : c);
    EXPECT_FALSE(DecipherLines({noise, noise}, key).empty());
}

TEST(CipherTest, StreamsAndCharacterFiles)
{
    const TKeyTable key = BuildKeyTables(0, 0, 700).ImageKey;
    std::vector<uint8_t> picture(513);
    for (size_t index = 0; index < picture.size(); ++index)
        picture[index] = static_cast<uint8_t>(index * 7);
    const std::vector<uint8_t> enciphered = DecipherStream(picture, key);
    ASSERT_EQ(enciphered.size(), 513u);
    EXPECT_EQ(enciphered[512], picture[512] ^ key[0]);
    EXPECT_EQ(DecipherStream(enciphered, key), picture);

    std::vector<uint8_t> character(3000, 0x41);
    const std::vector<uint8_t> original = character;
    CharacterFileCipher(character);
    EXPECT_NE(character, original);
    EXPECT_EQ(character[2048], 0x41 ^ KeyMaterial[0]);
    CharacterFileCipher(character);
    EXPECT_EQ(character, original);
}

// The ciphers of enciphered adventure content and of exported character files.
// Texts and scripts are stored six-bit encoded (four characters carry three bytes)
// and xored with a 512-byte key; pictures are xored only; character files are
// xored with the key material itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using TKeyTable = std::array<uint8_t, 512>;

// Fixed data of the engine.
extern const std::array<uint8_t, 2048> KeyMaterial;
// The 64 characters of the six-bit encoding, in value order.
extern const char SixBitAlphabet[65];
// The 6-bit value of every character code (0 for characters outside the alphabet).
extern const std::array<uint8_t, 256> DecodeTable;

// The keys of the adventure that is open, rebuilt from its offsets at every open.
struct TKeyTables {
    TKeyTable TextKey{};
    TKeyTable ScriptKey{};
    TKeyTable ImageKey{};
};

// Each offset starts a 32-byte piece of KeyMaterial (offsets wrap around it).
TKeyTables BuildKeyTables(int textOffset, int scriptOffset, int imageOffset);

// Deciphers a stored text or script (its lines as read from the database).
std::vector<std::string> DecipherLines(const std::vector<std::string>& source, const TKeyTable& key);
// The stored form of lines: what DecipherLines reads back as the same lines.
std::string EncipherLines(const std::vector<std::string>& lines, const TKeyTable& key);

// Pictures: bytes xored with the key; its own inverse.
std::vector<uint8_t> DecipherStream(const std::vector<uint8_t>& source, const TKeyTable& key);

// Exported character files: its own inverse.
void CharacterFileCipher(std::vector<uint8_t>& bytes);

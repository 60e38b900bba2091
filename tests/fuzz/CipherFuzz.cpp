// The ciphers of enciphered adventures and character files: any stored text
// deciphers without harm, and each cipher's inverse gives back exactly what it was
// given, whatever the key offsets the adventure names.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "data/Cipher.h"
#include "data/Utils.h"

namespace {

bool IsStoredCharacter(char c)
{
    for (const char* letter = SixBitAlphabet; *letter; ++letter)
        if (*letter == c)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int offset = input.ConsumeIntegral<int>();
    const TKeyTables keys = BuildKeyTables(offset, input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>());
    if (offset <= std::numeric_limits<int>::max() - 2048)
        FUZZ_CHECK(BuildKeyTables(offset + 2048, 0, 0).TextKey == keys.TextKey, "key offsets do not wrap");
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Whatever an adventure stores, deciphering gives lines without line breaks.
    for (const std::string& line : DecipherLines(SplitLines(text), keys.ScriptKey))
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos, "a deciphered line holds a line break");

    const std::vector<std::string> lines = SplitLines(text);
    const std::string stored = EncipherLines(lines, keys.TextKey);
    FUZZ_CHECK(!stored.empty() && stored.back() == '.', "an enciphered text does not end with its dot");
    for (size_t index = 0; index + 1 < stored.size(); ++index)
        FUZZ_CHECK(IsStoredCharacter(stored[index]), "an enciphered text holds a character outside its alphabet");
    FUZZ_CHECK(DecipherLines({stored}, keys.TextKey) == lines, "a text does not survive enciphering");

    const std::vector<uint8_t> bytes(text.begin(), text.end());
    FUZZ_CHECK(DecipherStream(DecipherStream(bytes, keys.ImageKey), keys.ImageKey) == bytes,
               "a picture does not survive enciphering");
    std::vector<uint8_t> character = bytes;
    CharacterFileCipher(character);
    FUZZ_CHECK(character.size() == bytes.size(), "a character file changed its size");
    CharacterFileCipher(character);
    FUZZ_CHECK(character == bytes, "a character file does not survive enciphering");
    return 0;
}

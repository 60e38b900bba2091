// Character files: the input is a file's deciphered bytes. Whatever they hold,
// reading never goes past the end, and a file that reads writes back to a file
// that reads the same.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "data/CharacterFile.h"
#include "data/Cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    CharacterFileCipher(bytes);
    std::string why;
    const auto character = DecodeCharacterFile(bytes, why);
    FUZZ_CHECK(character.has_value() == why.empty(), "a refusal without a reason, or a reason without one");
    if (!character)
        return 0;
    const std::vector<uint8_t> written = EncodeCharacterFile(*character);
    FUZZ_CHECK(written.size() == size, "the file writes back to another size");
    const auto again = DecodeCharacterFile(written, why);
    FUZZ_CHECK(again.has_value(), "a written file does not read back");
    FUZZ_CHECK(*again == *character, "the character changes in writing");
    return 0;
}

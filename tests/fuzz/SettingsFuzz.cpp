// The settings file, which a player may edit by hand: any file loads, and a save
// keeps every value it loaded and the value just written (a folder whose name has
// blanks or line breaks included), exactly.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "data/Convert.h"
#include "platform/Settings.h"

namespace {

const char* const MainKey = "\\Software\\Vellumora";
const char* const OptionsKey = "\\Software\\Vellumora\\CindervaleOptions";

// The sections and value names a file holds, read the simplest way: enough to know
// what to compare, not a second reader to agree with.
std::vector<std::pair<std::string, std::string>> NamesIn(const std::string& file)
{
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::istringstream lines(file);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (const size_t equals = line.find('='); equals != std::string::npos && equals > 0)
            names.emplace_back(section, Trim(line.substr(0, equals)));
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TScratchFolder Scratch;
    const std::string path = Scratch / "settings.ini";
    FuzzedDataProvider input(data, size);
    const std::string value = input.ConsumeRandomLengthString(256);
    const int number = input.ConsumeIntegral<int>();
    const std::string file = input.ConsumeRemainingBytesAsString();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << file;

    TSettings loaded(path);
    loaded.WriteString(MainKey, "CindervaleDir", value);
    loaded.WriteInteger(OptionsKey, "FontSize", number);
    FUZZ_CHECK(loaded.SaveError().empty(), "the settings could not be saved");

    const TSettings reread(path);
    for (const auto& [key, name] : NamesIn(file))
        FUZZ_CHECK(reread.ReadString(key, name, "\x01missing") == loaded.ReadString(key, name, "\x01missing"),
                   "a loaded value changed when saved");
    FUZZ_CHECK(reread.ReadString(MainKey, "CindervaleDir") == value, "a written value did not read back exactly");
    FUZZ_CHECK(reread.ReadInteger(OptionsKey, "FontSize", number ^ 1) == number, "a written number did not read back");
    return 0;
}

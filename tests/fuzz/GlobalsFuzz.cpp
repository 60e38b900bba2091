// The script variables of a bookmark (GlobalN and Global.dat): the input is the
// names file, a zero byte, then the values file. Whatever they hold, reading never
// goes past the end, and what reads whole writes back to the same bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "session/GlobalsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view names = input.substr(0, split);
    const std::string_view values = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const TReadGlobals read = ReadGlobals(names, values, split != std::string_view::npos);
    if (!read.Error.empty())
        return 0;

    const TGlobalsFiles written = WriteGlobals(read.Globals);
    FUZZ_CHECK(written.Values.size() <= values.size(), "values write back longer than they were");
    const TReadGlobals again = ReadGlobals(written.Names, written.Values, true);
    FUZZ_CHECK(again.Error.empty(), "written values do not read back");
    FUZZ_CHECK(again.Globals == read.Globals, "values change in writing");
    return 0;
}

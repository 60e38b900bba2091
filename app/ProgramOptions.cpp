#include "app/ProgramOptions.h"

#include "data/Convert.h"

std::optional<TProgramOptions> ParseProgramOptions(int argc, const char* const* argv)
{
    TProgramOptions options;
    for (int index = 1; index + 1 < argc; index += 2) {
        const std::string option = argv[index];
        const std::string value = argv[index + 1];
        if (option == "--appdir")
            options.AppDir = value;
        else if (option == "--config")
            options.Config = value;
        else if (option == "--script")
            options.Script = value;
        else if (option == "--transcript")
            options.Transcript = value;
        else if (option == "--seed")
            options.Seed = static_cast<uint64_t>(StrToInt64Def(value, 0));
        else
            return std::nullopt;
    }
    // An option left without its value.
    if (argc % 2 == 0)
        return std::nullopt;
    return options;
}

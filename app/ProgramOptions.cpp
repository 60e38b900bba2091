#include "app/ProgramOptions.h"

#include <algorithm>
#include <array>

#include "data/Convert.h"

namespace {

struct TOptionText {
    const char* Name;
    const char* Value;
    const char* Meaning;
};

// The one list that --help, the usage line and the parser agree on.
constexpr std::array<TOptionText, 7> Options = {{
    {"--appdir", "DIR", "the program folder, the one holding Game/"},
    {"--config", "DIR", "keep the settings in DIR/settings.ini"},
    {"--script", "FILE", "replay a command script on a virtual clock"},
    {"--transcript", "FILE", "write everything the output pane showed to FILE"},
    {"--seed", "N", "fix chance with the seed N"},
    {"--help", nullptr, "print this help and exit"},
    {"--version", nullptr, "print the version and exit"},
}};

std::string UsageLine(const std::string& program)
{
    std::string line = "Usage: " + program;
    for (const TOptionText& option : Options)
        line += std::string(" [") + option.Name + (option.Value ? std::string(" ") + option.Value : "") + "]";
    return line + "\n";
}

bool SetValue(TProgramOptions& options, const std::string& name, const std::string& value)
{
    if (name == "--appdir")
        options.AppDir = value;
    else if (name == "--config")
        options.Config = value;
    else if (name == "--script")
        options.Script = value;
    else if (name == "--transcript")
        options.Transcript = value;
    else if (name == "--seed")
        options.Seed = static_cast<uint64_t>(StrToInt64Def(value, 0));
    else
        return false;
    return true;
}

} // namespace

std::optional<TProgramOptions> ParseProgramOptions(int argc, const char* const* argv)
{
    TProgramOptions options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--help") {
            options.Help = true;
            continue;
        }
        if (argument == "--version") {
            options.Version = true;
            continue;
        }
        const auto equals = argument.find('=');
        if (equals != std::string::npos) {
            if (!SetValue(options, argument.substr(0, equals), argument.substr(equals + 1)))
                return std::nullopt;
            continue;
        }
        // An option left without its value is as wrong as an unknown one.
        if (index + 1 >= argc || !SetValue(options, argument, argv[index + 1]))
            return std::nullopt;
        ++index;
    }
    return options;
}

std::string ProgramHelp(const std::string& program, const std::string& purpose)
{
    std::string text = UsageLine(program) + purpose + "\n\nOptions:\n";
    for (const TOptionText& option : Options) {
        std::string left = std::string("  ") + option.Name + (option.Value ? std::string(" ") + option.Value : "");
        left.resize(std::max<size_t>(left.size() + 2, 22), ' ');
        text += left + option.Meaning + "\n";
    }
    return text;
}

std::string ProgramVersion(const std::string& program)
{
    return program + " " VELLUMORA_VERSION "\n"
           "Copyright (C) the Vellumora authors. There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string ProgramUsageError(const std::string& program)
{
    return UsageLine(program) + "Try '" + program + " --help' for more information.\n";
}

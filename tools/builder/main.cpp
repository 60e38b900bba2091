// vellumora-build SOURCE OUTPUT [--encipher] [--text-key N] [--script-key N]
//                 [--image-key N] [--check] | --help | --version
// Compiles an adventure source folder into a program folder (OUTPUT/Game/...).
#include <cstdio>
#include <cstring>
#include <string>

#include "AdventureBuilder.h"
#include "app/ProgramOptions.h"
#include "data/Convert.h"

namespace {

const char* const UsageLine = "Usage: vellumora-build SOURCE OUTPUT [--encipher] [--text-key N] [--script-key N] "
                              "[--image-key N] [--check]\n";

int Usage()
{
    std::fprintf(stderr, "%sKey offsets are 0 to 2016.\nTry 'vellumora-build --help' for more information.\n",
                 UsageLine);
    return 2;
}

int Help()
{
    std::printf("%s", UsageLine);
    std::printf("Compiles an adventure source folder SOURCE into a program folder OUTPUT (OUTPUT/Game/...).\n\n"
                "Options:\n"
                "  --encipher          store texts, scripts and pictures enciphered\n"
                "  --text-key N        the texts' key offset, 0 to 2016\n"
                "  --script-key N      the scripts' key offset, 0 to 2016\n"
                "  --image-key N       the pictures' key offset, 0 to 2016\n"
                "  --check             report every reference to a missing row; exit 1 if there is one\n"
                "  --help              print this help and exit\n"
                "  --version           print the version and exit\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string source;
    std::string output;
    TBuildOptions options;
    bool check = false;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        int* key = argument == "--text-key"     ? &options.TextKey
                   : argument == "--script-key" ? &options.ScriptKey
                   : argument == "--image-key"  ? &options.ImageKey
                                                : nullptr;
        if (key) {
            if (index + 1 >= argc)
                return Usage();
            *key = StrToIntDef(argv[++index], -1);
            if (*key < 0 || *key > 2016)
                return Usage();
        } else if (argument == "--encipher") {
            options.Encipher = true;
        } else if (argument == "--check") {
            check = true;
        } else if (argument == "--help") {
            return Help();
        } else if (argument == "--version") {
            std::printf("%s", ProgramVersion("vellumora-build").c_str());
            return 0;
        } else if (!argument.empty() && argument[0] == '-') {
            return Usage();
        } else if (source.empty()) {
            source = argument;
        } else if (output.empty()) {
            output = argument;
        } else {
            return Usage();
        }
    }
    if (source.empty() || output.empty())
        return Usage();

    TAdventureBuilder builder(source, output, options);
    if (!builder.Build()) {
        for (const std::string& error : builder.Errors)
            std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (check) {
        const auto problems = builder.Check();
        for (const std::string& problem : problems)
            std::fprintf(stderr, "%s\n", problem.c_str());
        if (!problems.empty()) {
            std::fprintf(stderr, "%zu broken reference(s)\n", problems.size());
            return 1;
        }
        std::printf("%s: no broken references\n", source.c_str());
    }
    return 0;
}

// The command line both programs read: values, flags, and the mistakes that
// end in the short usage with status 2.
#include <gtest/gtest.h>

#include <vector>

#include "app/ProgramOptions.h"

namespace {

std::optional<TProgramOptions> Parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "vellumora");
    return ParseProgramOptions(static_cast<int>(arguments.size()), arguments.data());
}

} // namespace

TEST(ProgramOptionsTest, ReadsEveryOptionInEitherSpelling)
{
    // What was read: appdir, config, script, transcript, seed (-1 for none), help, version.
    struct Case {
        std::vector<const char*> arguments;
        const char* appDir;
        const char* config;
        const char* script;
        const char* transcript;
        int64_t seed;
        bool help;
        bool version;
    };
    const Case cases[] = {
        {{}, "", "", "", "", -1, false, false},
        {{"--appdir", "/games/a"}, "/games/a", "", "", "", -1, false, false},
        {{"--appdir=/games/a"}, "/games/a", "", "", "", -1, false, false},
        {{"--config", "c", "--script", "s.script", "--transcript", "t.txt", "--seed", "42"},
         "", "c", "s.script", "t.txt", 42, false, false},
        {{"--seed=7", "--transcript=a=b"}, "", "", "", "a=b", 7, false, false},
        // A value that looks like an option is still the value.
        {{"--script", "--help"}, "", "", "--help", "", -1, false, false},
        {{"--help"}, "", "", "", "", -1, true, false},
        {{"--version"}, "", "", "", "", -1, false, true},
        {{"--appdir", "g", "--help", "--version"}, "g", "", "", "", -1, true, true},
        // The last of a repeated option holds.
        {{"--appdir", "a", "--appdir=b"}, "b", "", "", "", -1, false, false},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const char* argument : c.arguments)
            line += std::string(argument) + " ";
        SCOPED_TRACE(line);
        const auto options = Parse(c.arguments);
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(options->AppDir, c.appDir);
        EXPECT_EQ(options->Config, c.config);
        EXPECT_EQ(options->Script, c.script);
        EXPECT_EQ(options->Transcript, c.transcript);
        EXPECT_EQ(options->Seed, c.seed < 0 ? std::nullopt : std::optional<uint64_t>(c.seed));
        EXPECT_EQ(options->Help, c.help);
        EXPECT_EQ(options->Version, c.version);
    }
}

TEST(ProgramOptionsTest, RefusesUnknownOptionsOperandsAndMissingValues)
{
    const std::vector<std::vector<const char*>> cases = {
        {"--bogus"},
        {"--bogus", "value"},
        {"--bogus=value"},
        {"--help=yes"},
        {"-h"},
        {"adventure"},
        {"--appdir"},
        {"--seed", "3", "--script"},
        {"--help", "--config"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.front());
        EXPECT_FALSE(Parse(arguments).has_value());
    }
}

TEST(ProgramOptionsTest, HelpNamesEveryOptionTheParserTakes)
{
    const std::string help = ProgramHelp("vellumora-console", "Plays.");
    EXPECT_EQ(help.rfind("Usage: vellumora-console [--appdir DIR]", 0), 0u) << help;
    for (const char* option : {"--appdir DIR", "--config DIR", "--script FILE", "--transcript FILE", "--seed N", "--help",
                               "--version"}) {
        SCOPED_TRACE(option);
        // Listed twice: on the usage line and in the table of options.
        const std::string text = std::string(option);
        const auto first = help.find(text);
        ASSERT_NE(first, std::string::npos);
        EXPECT_NE(help.find(text, first + 1), std::string::npos);
    }
}

TEST(ProgramOptionsTest, VersionAndUsageErrorFollowTheGnuShape)
{
    const std::string version = ProgramVersion("vellumora");
    EXPECT_EQ(version.substr(0, version.find('\n')), "vellumora " VELLUMORA_TEST_VERSION);
    EXPECT_NE(version.find("Copyright"), std::string::npos);
    const std::string usage = ProgramUsageError("vellumora");
    EXPECT_EQ(usage.rfind("Usage: vellumora ", 0), 0u);
    EXPECT_NE(usage.find("Try 'vellumora --help' for more information."), std::string::npos);
}

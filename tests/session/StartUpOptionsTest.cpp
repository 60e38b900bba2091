// The options read at start-up from a settings file the player may have edited,
// moved away from or made unwritable.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/MainForm.h"
#include "app/ProgramFolder.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "support/TempFolder.h"

namespace {

const char* const MainKey = "\\Software\\Vellumora";
const char* const OptionsKey = "\\Software\\Vellumora\\CindervaleOptions";

// The window's model on a host whose settings live in the file given.
class StartUp {
public:
    explicit StartUp(const std::string& settingsFile) : Host(settingsFile)
    {
        ResetProcess();
        TProcess& process = Process();
        process.Host = &Host;
        process.MainForm = std::make_unique<TForm1>();
        process.Client = std::make_unique<TGameClient>(*process.MainForm);
        Host.Attach(process.MainForm.get(), &process.MainForm->RichEdit1, &process.Random);
    }
    ~StartUp() { ResetProcess(); }

    TForm1& Form() { return *Process().MainForm; }
    std::string Screen() { return Form().RichEdit1.WrittenText(); }

    TScriptedHost Host;
};

} // namespace

TEST(StartUpOptionsTest, TheFontSizeStaysWithinTheMenusRange)
{
    struct Case {
        const char* stored;
        int read;
        const char* menu;
        int after;
    };
    const Case cases[] = {
        {"2147483647", MaxFontSize, "Larger", MaxFontSize},
        {"-2147483648", MinFontSize, "Smaller", MinFontSize},
        {"0", MinFontSize, "Larger", MinFontSize + 1},
        {"12", 12, "Smaller", 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        TTempFolder config;
        {
            TSettings settings(SettingsFileName(config.Path));
            settings.WriteString(OptionsKey, "FontSize", c.stored);
        }
        StartUp start(SettingsFileName(config.Path));
        start.Form().FormCreate();
        EXPECT_EQ(start.Form().RichEdit1.DefaultFont.Size, c.read);
        start.Form().Click(c.menu);
        EXPECT_EQ(start.Form().RichEdit1.DefaultFont.Size, c.after);
    }
}

TEST(StartUpOptionsTest, AFailedSaveIsShownOnce)
{
    StartUp start("/proc/vellumora/settings.ini");
    start.Host.AddLines("expect-box The settings cannot be saved\nanswer ok");
    start.Form().FormCreate();
    EXPECT_NE(start.Host.LastBoxText().find("The settings cannot be saved"), std::string::npos);
    // Every later write fails as well; without a line to answer a second box the run would stop.
    start.Form().FormDestroy();
    EXPECT_NE(start.Host.Settings().SaveError(), "");
}

// A remembered program folder whose adventure is gone (its path ending in a
// blank, as such folders may) gives way to one that has an adventure, and is
// still remembered for when it comes back.
TEST(StartUpOptionsTest, ARememberedFolderWithoutAnAdventureGivesWay)
{
    TTempFolder config;
    TTempFolder away;
    const std::string remembered = away.Path + "/old game ";
    std::filesystem::create_directories(remembered);
    {
        TSettings settings(SettingsFileName(config.Path));
        settings.WriteString(MainKey, "CindervaleDir", remembered);
    }
    const auto fallback = FallbackProgramFolder();
    if (!fallback)
        GTEST_SKIP() << "no built adventure to fall back to";
    {
        StartUp start(SettingsFileName(config.Path));
        start.Form().FormCreate();
        EXPECT_EQ(Process().AppDir, *fallback);
        EXPECT_EQ(start.Screen(), "The program folder " + remembered + " holds no adventure; the one in " +
                                      *fallback + " is used.\n");
        EXPECT_EQ(start.Host.Settings().ReadString(MainKey, "CindervaleDir"), remembered);
    }

    // Once it holds an adventure again it is used as it is.
    std::filesystem::create_directories(remembered + "/Game");
    std::ofstream(remembered + "/Game/data.db") << "an adventure";
    StartUp again(SettingsFileName(config.Path));
    again.Form().FormCreate();
    EXPECT_EQ(Process().AppDir, remembered);
    EXPECT_EQ(again.Screen(), "");
}

// An installed program folder is played through a mirror in the user's folder:
// the adventure read from the installation, everything a game writes kept apart.
TEST(StartUpOptionsTest, AnInstalledFolderIsPlayedThroughAMirror)
{
    TTempFolder root;
    const std::filesystem::path share = std::filesystem::path(root.Path) / "usr" / "share";
    const std::filesystem::path program = share / "vellumora";
    std::filesystem::create_directories(program / "Game" / "Images");
    std::filesystem::create_directories(share / "doc" / "vellumora");
    std::ofstream(program / "Game" / "data.db") << "an adventure";
    std::ofstream(program / "logo.jpg") << "a logo";
    const std::string mirror = root.Path + "/home/.local/share/vellumora";

    // A folder the game may write into is played as it is.
    EXPECT_EQ(PlayingFolder(program.string(), mirror), program.string());

    ASSERT_EQ(MirrorOf(program.string(), mirror), mirror);
    EXPECT_TRUE(HoldsAdventure(mirror));
    EXPECT_EQ(std::filesystem::read_symlink(mirror + "/Game/data.db"), program / "Game" / "data.db");
    EXPECT_EQ(std::filesystem::read_symlink(mirror + "/Game/Images"), program / "Game" / "Images");
    EXPECT_EQ(std::filesystem::read_symlink(mirror + "/logo.jpg"), program / "logo.jpg");
    EXPECT_EQ(std::filesystem::read_symlink(mirror + "/doc"), share / "doc" / "vellumora");
    EXPECT_FALSE(std::filesystem::is_symlink(mirror + "/Game"));

    // What a game wrote stays; a link an update made stale is made again.
    std::filesystem::create_directories(mirror + "/Game/Saves/Save1");
    std::filesystem::remove(mirror + "/logo.jpg");
    std::filesystem::create_symlink("/nowhere", mirror + "/logo.jpg");
    std::ofstream(program / "parch.bmp") << "new in this version";
    ASSERT_EQ(MirrorOf(program.string(), mirror), mirror);
    EXPECT_TRUE(std::filesystem::is_directory(mirror + "/Game/Saves/Save1"));
    EXPECT_EQ(std::filesystem::read_symlink(mirror + "/logo.jpg"), program / "logo.jpg");
    EXPECT_TRUE(std::filesystem::exists(mirror + "/parch.bmp"));

    // Nothing was written into the installation.
    std::vector<std::string> installed;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(program))
        installed.push_back(entry.path().filename().string());
    std::sort(installed.begin(), installed.end());
    EXPECT_EQ(installed, (std::vector<std::string>{"Game", "Images", "data.db", "logo.jpg", "parch.bmp"}));
}

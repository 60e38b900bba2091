#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/Settings.h"
#include "support/TempFolder.h"

TEST(SettingsTest, ValuesSurviveAReload)
{
    TTempFolder folder;
    const std::string file = SettingsFileName(folder.Path);
    {
        TSettings settings(file);
        EXPECT_FALSE(settings.KeyExists("\\Software\\Vellumora"));
        settings.CreateKey("\\Software\\Vellumora");
        settings.WriteString("\\Software\\Vellumora", "CindervaleDir", "/opt/vellumora");
        settings.WriteBool("\\Software\\Vellumora\\CindervaleOptions", "TurnBasedCombat", true);
        settings.WriteInteger("\\Software\\Vellumora\\CindervaleOptions", "FontSize", 11);
        settings.WriteString("\\Software\\Vellumora", "Odd", "a=b\nc");
        EXPECT_EQ(settings.SaveError(), "");
    }
    TSettings settings(file);
    EXPECT_TRUE(settings.KeyExists("\\Software\\Vellumora"));
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "CindervaleDir"), "/opt/vellumora");
    EXPECT_TRUE(settings.ReadBool("\\Software\\Vellumora\\CindervaleOptions", "TurnBasedCombat", false));
    EXPECT_EQ(settings.ReadInteger("\\Software\\Vellumora\\CindervaleOptions", "FontSize", 9), 11);
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "Odd"), "a=b\nc");
    EXPECT_FALSE(settings.ValueExists("\\Software\\Vellumora", "Missing"));
    EXPECT_EQ(settings.ReadInteger("\\Software\\Vellumora", "Missing", 9), 9);
}

TEST(SettingsTest, DamagedFilesLoseOnlyTheirBadLines)
{
    TTempFolder folder;
    const std::string file = folder / "settings.ini";
    std::ofstream(file) << "garbage line\n[\\Software\\Vellumora\\CindervaleOptions]\nFontSize=huge\n"
                           "=nothing\nTurnBasedCombat=1\n[broken\n";
    TSettings settings(file);
    EXPECT_EQ(settings.ReadInteger("\\Software\\Vellumora\\CindervaleOptions", "FontSize", 9), 9);
    EXPECT_TRUE(settings.ReadBool("\\Software\\Vellumora\\CindervaleOptions", "TurnBasedCombat", false));

    // An unwritable place reports instead of failing silently.
    TSettings nowhere("/proc/vellumora/settings.ini");
    nowhere.WriteInteger("k", "v", 1);
    EXPECT_NE(nowhere.SaveError(), "");
    EXPECT_EQ(nowhere.ReadInteger("k", "v", 0), 1);
}

// A value comes back from the file exactly as written: a folder whose path ends
// in a blank must still be found on the next start.
TEST(SettingsTest, ValuesKeepEveryCharacter)
{
    const char* const values[] = {
        "/home/ann/games ", " leading", "\tboth\t", "line\nbreak\r\n", "\"quoted\"", "back\\slash\\",
        "\"", "\\", "a \"half", "ends in a quote\"", "", "plain", "C:\\Games\\Vellumora\\",
    };
    TTempFolder folder;
    const std::string file = SettingsFileName(folder.Path);
    {
        TSettings settings(file);
        for (size_t index = 0; index < std::size(values); ++index)
            settings.WriteString("\\Software\\Vellumora", "Value" + std::to_string(index), values[index]);
        ASSERT_EQ(settings.SaveError(), "");
    }
    TSettings settings(file);
    for (size_t index = 0; index < std::size(values); ++index)
        EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "Value" + std::to_string(index)), values[index])
            << index;
    // Values written by hand without quotes read as before.
    std::ofstream(file) << "[k]\nplain =  spaced out  \nquoted=\"x\n";
    TSettings edited(file);
    EXPECT_EQ(edited.ReadString("k", "plain"), "spaced out");
    EXPECT_EQ(edited.ReadString("k", "quoted"), "\"x");
}

TEST(SettingsTest, AFailedSaveIsHandedOutOnce)
{
    TSettings nowhere("/proc/vellumora/settings.ini");
    EXPECT_EQ(nowhere.TakeUnshownSaveError(), "");
    nowhere.WriteInteger("k", "v", 1);
    EXPECT_NE(nowhere.TakeUnshownSaveError(), "");
    nowhere.WriteInteger("k", "v", 2);
    EXPECT_EQ(nowhere.TakeUnshownSaveError(), "");
    EXPECT_NE(nowhere.SaveError(), "");
}

#include <gtest/gtest.h>

#include <fstream>

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
    EXPECT_EQ(settings.ReadString("\\Software\\Vellumora", "Odd"), "a=b c");
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

// The open-file dialog at the prompt: which files its filter takes, how its folder
// is listed, and what a typed answer stands for.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/TempFolder.h"
#include "ui/console/FileChoice.h"

namespace {

TEST(FileChoiceTest, AFilterTakesTheNamesItsPatternsMatch)
{
    struct Case {
        std::string filter;
        std::string name;
        bool taken;
    };
    const std::vector<Case> cases = {
        {"Exported Character File (*.chr)|*.chr", "Aldric.chr", true},
        {"Exported Character File (*.chr)|*.chr", "Aldric.chr.bak", false},
        {"Exported Character File (*.chr)|*.chr", "Aldric.CHR", false},
        // The label is no pattern.
        {"Exported Character File (*.chr)|*.chr", "Exported Character File (*.chr)", false},
        {"Pictures|*.jpg;*.bmp|Any|*", "notes.txt", true},
        {"Pictures|*.jpg; *.bmp", "gate.bmp", true},
        {"Saves|save??.db", "save01.db", true},
        {"Saves|save??.db", "save1.db", false},
        {"*.chr", "Brenna.chr", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterTakes(c.filter, c.name), c.taken) << c.filter << " " << c.name;
}

class FileChoiceFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(Folder() + "/Old.chr");
        for (const char* name : {"Brenna.chr", "Aldric.chr", "notes.txt"})
            std::ofstream(Folder() + "/" + name) << "x";
    }
    std::string Folder() const { return Temp / "Exported"; }

    TTempFolder Temp;
};

TEST_F(FileChoiceFolderTest, TheFolderListsItsMatchingFilesInOrderWithNumbers)
{
    const std::string filter = "Exported Character File (*.chr)|*.chr";
    // A folder given with or without its slash, or a file in it: the same list; a
    // folder is no file.
    for (const std::string& initial : {Folder() + "/", Folder(), Folder() + "/Brenna.chr"}) {
        const TFileChoice choice = ListFileChoice(filter, initial);
        EXPECT_EQ(choice.Folder, Folder()) << initial;
        EXPECT_EQ(choice.Names, (std::vector<std::string>{"Aldric.chr", "Brenna.chr"})) << initial;
    }
    std::ostringstream out;
    DrawFileChoice(out, ListFileChoice(filter, Folder() + "/"));
    EXPECT_EQ(out.str(), "[Exported Character File (*.chr)] in " + Folder() + ":\n  1. Aldric.chr\n  2. Brenna.chr\n");
    out.str("");
    DrawFileChoice(out, ListFileChoice(filter, Folder() + "/missing/"));
    EXPECT_EQ(out.str(), "[Exported Character File (*.chr)] in " + Folder() + "/missing:\n     (no such file here)\n");
}

TEST_F(FileChoiceFolderTest, ANumberANameOrAPathNamesTheFile)
{
    const TFileChoice choice = ListFileChoice("Characters|*.chr", Folder() + "/");
    struct Case {
        std::string typed;
        std::optional<std::string> path;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"1", Folder() + "/Aldric.chr", ""},
        {" 2 ", Folder() + "/Brenna.chr", ""},
        {"3", std::nullopt, "There is no file 3: choose a number from 1 to 2, type the path of a file, or cancel."},
        {"0", std::nullopt, "There is no file 0: choose a number from 1 to 2, type the path of a file, or cancel."},
        // A name of the folder, even one the filter leaves out: the engine says no to it.
        {"notes.txt", Folder() + "/notes.txt", ""},
        {"/elsewhere/Wenlow.chr", "/elsewhere/Wenlow.chr", ""},
        {"Wenlow.chr", "Wenlow.chr", ""},
    };
    for (const Case& c : cases) {
        std::string why;
        EXPECT_EQ(ChosenPath(choice, c.typed, why), c.path) << c.typed;
        EXPECT_EQ(why, c.why) << c.typed;
    }
    std::string why;
    EXPECT_EQ(ChosenPath(TFileChoice{}, "1", why), std::nullopt);
    EXPECT_EQ(why, "There is no file 1: type the path of a file, or cancel.");
}

} // namespace

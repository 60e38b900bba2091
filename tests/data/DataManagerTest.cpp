#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/Cipher.h"
#include "data/Convert.h"
#include "data/DataManager.h"
#include "data/Picture.h"
#include "support/AdventureFolder.h"
#include "support/BitmapBytes.h"
#include "support/EngineFixture.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

class DataManagerTest : public EngineFixture {
protected:
    std::unique_ptr<TDataManager> Open(const TAdventureFolder& folder)
    {
        Process().GameDir = folder.Game();
        return std::make_unique<TDataManager>(folder.Game());
    }
};

std::string Settings(const std::string& rows)
{
    return std::string(TAdventureFolder::RequiredSettings) + "insert into general (name, value) values " + rows + ";";
}

// A 2 x 1 24-bit BMP: a red and a blue pixel.
std::string TinyBmp()
{
    return BitmapBytes(2, 1, {0xFF0000, 0x0000FF});
}

} // namespace

TEST_F(DataManagerTest, GeneralSettings)
{
    TAdventureFolder folder(Settings("('AdvTitle', '" + std::string(100, 'T') +
                                     "'), ('AdvVer', '1.0.0.0-preview'), ('EncText', '0'), ('EncScr', ''), "
                                     "('EncImg', 'no'), ('DefaultClasses', '2|5|'), ('StartID', '1001'), "
                                     "('ChStart', 'four'), ('AllowImport', '0'), ('EdVer', '2.0')"));
    const auto manager = Open(folder);
    ASSERT_TRUE(manager->Opened());
    EXPECT_EQ(manager->AdventureTitle, std::string(80, 'T'));
    EXPECT_EQ(manager->AdventureVersion, "1.0.0.0-pr");
    EXPECT_FALSE(manager->EncText);
    EXPECT_TRUE(manager->EncScr);  // an empty value counts as absent
    EXPECT_TRUE(manager->EncImg);  // anything but "0" is on
    EXPECT_EQ(manager->DefaultClasses, (std::set<int>{2, 5}));
    EXPECT_EQ(manager->DefaultClassCount, 2);
    EXPECT_EQ(manager->StartID, 1001);
    EXPECT_EQ(manager->ChStart, 0);
    EXPECT_FALSE(manager->AllowImport);
    EXPECT_TRUE(manager->FromCurrent);
    EXPECT_EQ(manager->MaxParty, 6);
    EXPECT_EQ(manager->EditorVersion, "2.0");
}

TEST_F(DataManagerTest, DefaultClassesBySubstring)
{
    TAdventureFolder folder(Settings("('DefaultClasses', '11|')"));
    const auto manager = Open(folder);
    EXPECT_EQ(manager->DefaultClasses, (std::set<int>{1, 11}));
    EXPECT_EQ(manager->DefaultClassCount, 2);
    // Without the keys, content counts as enciphered.
    EXPECT_TRUE(manager->EncText && manager->EncScr && manager->EncImg);
}

TEST_F(DataManagerTest, OpeningFails)
{
    {
        TTempFolder empty;
        Queue("expect-box no data.db in the folder \"" + empty.Path + "\"\nanswer ok");
        TDataManager manager(empty.Path);
        EXPECT_FALSE(manager.Opened());
    }
    {
        TTempFolder garbage;
        std::ofstream(garbage / "data.db") << "this is not a database at all, not even close....................";
        Process().GameDir = garbage.Path;
        Queue("expect-box The adventure in \"" + garbage.Path + "\" cannot be opened: \nanswer ok");
        TDataManager manager(garbage.Path);
        EXPECT_FALSE(manager.Opened());
        EXPECT_EQ(Process().GameDir, "");
    }
    {
        TAdventureFolder folder(Settings("('EdVer', '1.2')"));
        Queue("expect-box very old version of Vellumora and connot be opened.\nanswer ok");
        const auto manager = Open(folder);
        EXPECT_FALSE(manager->Opened());
        EXPECT_EQ(Process().GameDir, "");
    }
    for (const char* rows : {"insert into general values ('MaxLvl', '18'), ('MaxParty', '6')",
                             "insert into general values ('MinLvl', 'one'), ('MaxLvl', '18'), ('MaxParty', '6')"}) {
        TAdventureFolder folder(rows);
        Process().GameDir = folder.Game();
        try {
            TDataManager manager(folder.Game());
            ADD_FAILURE() << "opened with " << rows;
        } catch (const EConvertError& error) {
            EXPECT_NE(std::string(error.what()).find("MinLvl"), std::string::npos) << error.what();
        }
        EXPECT_EQ(Process().GameDir, "");
    }
}

TEST_F(DataManagerTest, TextsAndScripts)
{
    const TKeyTables keys = BuildKeyTables(64, 128, 0);
    const Lines intro{"~<b>Cindervale~<>", "*", "Smoke."};
    TAdventureFolder folder(Settings("('EncText', '1'), ('EncScr', '0'), ('TXT_KEY', '64'), ('SCR_KEY', '128')") +
                            "insert into texts values (5, 'j_mines.txt', " + SqlQuote(EncipherLines(intro, keys.TextKey)) +
                            ");"
                            "insert into scripts values (1, 'intro.js', 'line 1\r\nline 2'), (2, 'intro.txt', 'x'), "
                            "(3, 'intro.JS', 'y'), (4, 'lib.js', 'shared');"
                            "insert into libraries values ('lib.js'), ('missing.js');"
                            "insert into item_types values (19, 'Skipped'), (20, 'Key'), (21, 'Relic');");
    const auto manager = Open(folder);
    Lines lines{"old"};
    manager->GetTextById(5, lines);
    EXPECT_EQ(lines, intro);
    lines = {"old"};
    manager->GetTextByFile("j_mines.txt", lines);
    EXPECT_EQ(lines, intro);
    manager->GetTextById(6, lines);
    EXPECT_TRUE(lines.empty());
    lines = {"kept"};
    manager->GetTextById(0, lines);
    EXPECT_EQ(lines, Lines{"kept"});

    EXPECT_EQ(manager->GetScriptById(1, lines), 1);
    EXPECT_EQ(lines, (Lines{"line 1", "line 2"}));
    EXPECT_EQ(manager->GetScriptById(2, lines), 2);
    EXPECT_EQ(manager->GetScriptByFile("intro.JS", lines), 2);
    EXPECT_EQ(manager->GetScriptByFile("nothing.js", lines), 0);
    EXPECT_EQ(manager->GetScriptById(0, lines), 0);

    manager->LoadLibraries();
    ASSERT_EQ(manager->Libraries.size(), 2u);
    EXPECT_EQ(manager->Libraries[0].Lines, Lines{"shared"});
    EXPECT_TRUE(manager->Libraries[1].Lines.empty());

    EXPECT_EQ(manager->GetItemTypeName(0), "Key");
    EXPECT_EQ(manager->GetItemTypeName(1), "Relic");
    EXPECT_EQ(manager->GetItemTypeName(2), "");
    EXPECT_EQ(manager->GetItemTypeName(-1), "");
}

TEST_F(DataManagerTest, MessageTableReloads)
{
    TAdventureFolder folder(Settings("('EncText', '0')") +
                            "insert into messages values (60, 500300, 'Ember-sick'), (300, 1, 'Out of range'), "
                            "('x', 2, 'Zero');");
    Process().MessageTable[70] = TMessageEntry{9, "Stale"};
    Process().MessageTable[10] = TMessageEntry{0, "Built in"};
    const auto manager = Open(folder);
    manager->LoadMessages();
    EXPECT_EQ(Process().MessageTable[60].Name, "Ember-sick");
    EXPECT_EQ(Process().MessageTable[60].ScriptId, 500300);
    EXPECT_EQ(Process().MessageTable[70].Name, "");
    EXPECT_EQ(Process().MessageTable[10].Name, "Built in");
    EXPECT_EQ(Process().MessageTable[0].Name, "Zero");
}

TEST_F(DataManagerTest, Pictures)
{
    TAdventureFolder plain(Settings("('EncImg', '0')"));
    plain.WriteImage("logo.bmp", TinyBmp());
    plain.WriteImage("broken.jpg", "\xFF\xD8\xFF\xE0 not really");
    auto manager = Open(plain);
    const auto bitmap = manager->LoadBitmap("logo.bmp");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width, 2);
    EXPECT_EQ(manager->LoadBitmap("missing.bmp"), nullptr);
    EXPECT_EQ(manager->LoadBitmap("../../data.db"), nullptr);
    TControlState image;
    EXPECT_TRUE(manager->LoadPicture("logo.bmp", image));
    EXPECT_NE(image.Picture, nullptr);
    EXPECT_FALSE(manager->LoadPicture("broken.jpg", image));
    EXPECT_FALSE(manager->LoadPicture("missing.jpg", image));
    manager.reset();

    TAdventureFolder enciphered(Settings("('IMG_KEY', '300')"));
    const TKeyTable key = BuildKeyTables(0, 0, 300).ImageKey;
    const std::string bmp = TinyBmp();
    const auto stored = DecipherStream(std::vector<uint8_t>(bmp.begin(), bmp.end()), key);
    enciphered.WriteImage("logo.bmp", std::string(stored.begin(), stored.end()));
    enciphered.WriteImage("logo.dat", std::string(stored.begin(), stored.end()));
    manager = Open(enciphered);
    TControlState control;
    EXPECT_TRUE(manager->LoadPicture("logo.bmp", control));
    ASSERT_NE(control.Picture, nullptr);
    EXPECT_EQ(control.Picture->Width, 2);
    // An unknown extension loads nothing, yet counts as done.
    TControlState other;
    EXPECT_TRUE(manager->LoadPicture("logo.dat", other));
    EXPECT_EQ(other.Picture, nullptr);
}

TEST_F(DataManagerTest, DestroyWritesLogsOnlyWhenTheyHaveLines)
{
    TAdventureFolder folder;
    const fs::path game = folder.Game();
    {
        auto manager = Open(folder);
        Process().SessionDb = std::make_unique<TSQLite3>();
        Process().SessionDb->Open((game / "temp.db").string());
        Process().SessionDb->LogErrors = true;
        Process().SessionDb->Execute("selekt nothing");
        ASSERT_TRUE(fs::exists(game / "temp.db"));
    }
    EXPECT_FALSE(fs::exists(game / "temp.db"));
    EXPECT_FALSE(fs::exists(game / "SqlLog.txt"));
    ASSERT_TRUE(fs::exists(game / "SqlLog2.txt"));
    std::ifstream log(game / "SqlLog2.txt");
    std::string line;
    std::getline(log, line);
    EXPECT_NE(line.find("\tselekt nothing : "), std::string::npos);
    EXPECT_EQ(Process().SessionDb, nullptr);

    {
        auto manager = Open(folder);
        manager->AdventureDb.Execute("selekt again");
    }
    EXPECT_TRUE(fs::exists(game / "SqlLog.txt"));
}

TEST_F(DataManagerTest, AdventureDetails)
{
    TAdventureFolder folder(Settings("('AdvTitle', 'Embers under Cindervale'), ('AdvVer', '1.0'), "
                                     "('Author', 'The Vellumora team'), ('Date', '2026'), ('Comments', 'A mining town.')"));
    const auto manager = Open(folder);
    Queue("expect-control LblTitle caption Embers under Cindervale\n"
          "expect-control LblCreatedBy caption The Vellumora team\n"
          "expect-control LblDate caption 2026\n"
          "expect-control LblVer caption 1.0\n"
          "expect-control Memo1 text A mining town.\n"
          "close");
    manager->ShowAdventureDetails();
    // The dialog's own button closes it too.
    Queue("click BtnClose");
    manager->ShowAdventureDetails();
}

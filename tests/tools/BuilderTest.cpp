#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AdventureBuilder.h"
#include "data/Cipher.h"
#include "data/DataManager.h"
#include "support/EngineFixture.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

void Write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class BuilderTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        const fs::path source = Source.Path;
        Write(source / "sql/10_general.sql",
              "-- settings; a ';' inside a comment or a 'quoted; text' does not end a statement\n"
              "insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6'),\n"
              "  ('AdvTitle', 'Fixture''s Tale; Part One');\n");
        Write(source / "sql/20_world.sql",
              "insert into locations (id, name, desc_id) values (1001, 'Gate', 100001);\n"
              "insert into locations (id, name, desc_id) values (1002, 'Square', 100002);\n"
              "insert into exits (exit_id, loc_id, exit_name, orientation) values (1002, 1001, 'north', 1);\n");
        Write(source / "texts/100001_gate.txt", "~<b>The Gate~<>\r\nAshes drift.\r\n*\r\nSecond page.\r\n");
        Write(source / "texts/100002_square.txt", "The square.\n");
        Write(source / "scripts/2001_intro.js", "first line\nsecond line\n");
        Picture.resize(513);
        for (size_t index = 0; index < Picture.size(); ++index)
            Picture[index] = static_cast<char>(index * 31 + 7);
        Write(source / "images/map.jpg", Picture);
        Write(source / "program/logo.jpg", "logo bytes");
    }

    TTempFolder Source;
    TTempFolder Output;
    std::string Picture;
};

} // namespace

TEST_F(BuilderTest, EncipheredContentReadsBackThroughTheDataManager)
{
    TBuildOptions options;
    options.Encipher = true;
    TAdventureBuilder builder(Source.Path, Output.Path, options);
    ASSERT_TRUE(builder.Build()) << builder.Errors.front();
    EXPECT_TRUE(builder.Check().empty());
    builder.Db.Close();

    const fs::path game = fs::path(Output.Path) / "Game";
    EXPECT_EQ(Read(fs::path(Output.Path) / "logo.jpg"), "logo bytes");
    const std::string stored = Read(game / "Images/map.jpg");
    ASSERT_EQ(stored.size(), 513u);
    EXPECT_NE(stored, Picture);

    Process().GameDir = game.string();
    TDataManager manager(game.string());
    ASSERT_TRUE(manager.Opened());
    EXPECT_TRUE(manager.EncText && manager.EncScr && manager.EncImg);
    EXPECT_EQ(manager.AdventureTitle, "Fixture's Tale; Part One");
    Lines lines;
    manager.GetTextById(100001, lines);
    EXPECT_EQ(lines, (Lines{"~<b>The Gate~<>", "Ashes drift.", "*", "Second page."}));
    manager.GetTextByFile("square.txt", lines);
    EXPECT_EQ(lines, Lines{"The square."});
    EXPECT_EQ(manager.GetScriptByFile("intro.js", lines), 1);
    EXPECT_EQ(lines, (Lines{"first line", "second line"}));
    const std::vector<uint8_t> bytes(stored.begin(), stored.end());
    const std::vector<uint8_t> deciphered = DecipherStream(bytes, Process().Keys.ImageKey);
    EXPECT_EQ(std::string(deciphered.begin(), deciphered.end()), Picture);
}

TEST_F(BuilderTest, PlainBuildsStorePlainText)
{
    TAdventureBuilder builder(Source.Path, Output.Path);
    ASSERT_TRUE(builder.Build());
    builder.Db.Execute("select text from texts where id = 100002", true);
    EXPECT_EQ(builder.Db.Rows[0]->GetItem("text"), "The square.\n");
    builder.Db.Execute("select value from general where name = 'EncText'", true);
    EXPECT_EQ(builder.Db.Rows[0]->GetItem("value"), "0");
    EXPECT_EQ(Read(fs::path(Output.Path) / "Game/Images/map.jpg"), Picture);
}

TEST_F(BuilderTest, CheckNamesTheFileAndRowOfABrokenReference)
{
    Write(fs::path(Source.Path) / "sql/30_broken.sql",
          "insert into exits (exit_id, loc_id, exit_name, orientation) values (1999, 1002, 'south', 3);\n"
          "insert into items (id, template_id) values (21001, 1);\n"
          "insert into item_templates (id, name) values (1, 'Rope');\n"
          "insert into weapon_templates (id, name, type_id) values (1, 'Club', 3);\n"
          "insert into weapon_types (id) values (3);\n"
          "insert into weapons (id, template_id) values (21001, 1);\n"
          "insert into npc_templates (id, name, script_id) values (1, 'Mayor', 500128), (2, 'Stranger', 424242);\n");
    TAdventureBuilder builder(Source.Path, Output.Path);
    ASSERT_TRUE(builder.Build());
    const auto problems = builder.Check();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0], "sql/30_broken.sql: exits row 2 (exit_id = 1999) leads to a missing location");
    EXPECT_EQ(problems[1], "sql/30_broken.sql: items row 21001 (id = 21001) shares its id with a row of weapons");
    EXPECT_EQ(problems[2], "sql/30_broken.sql: npc_templates row 2 (script_id = 424242) names a script class the engine lacks");
}

TEST_F(BuilderTest, ABadStatementNamesItsFileAndLine)
{
    Write(fs::path(Source.Path) / "sql/30_bad.sql", "\n\ninsert into nowhere values (1);\n");
    TAdventureBuilder builder(Source.Path, Output.Path);
    EXPECT_FALSE(builder.Build());
    ASSERT_EQ(builder.Errors.size(), 1u);
    EXPECT_EQ(builder.Errors[0], "sql/30_bad.sql:3: no such table: nowhere");

    Write(fs::path(Source.Path) / "texts/gate.txt", "no id");
    fs::remove(fs::path(Source.Path) / "sql/30_bad.sql");
    TAdventureBuilder second(Source.Path, Output.Path);
    EXPECT_FALSE(second.Build());
    EXPECT_EQ(second.Errors[0], "texts/gate.txt: the name must be ID_NAME with a positive number as ID");
}

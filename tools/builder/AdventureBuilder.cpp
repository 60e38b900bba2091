#include "AdventureBuilder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AdventureCheck.h"
#include "AdventureSchema.h"
#include "SqlStatements.h"
#include "data/Cipher.h"
#include "data/Convert.h"
#include "data/Utils.h"

namespace fs = std::filesystem;

namespace {

bool ReadFile(const fs::path& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file.flush());
}

std::vector<fs::path> SortedFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return files;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file(error))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> TableNames(TSQLite3& db)
{
    std::vector<std::string> names;
    db.Execute("select name from sqlite_master where type = 'table'", true);
    for (const auto& row : db.Rows)
        names.push_back(row->GetItem("name"));
    return names;
}

} // namespace

TAdventureBuilder::TAdventureBuilder(std::string source, std::string output, TBuildOptions options)
    : Source(std::move(source)), Output(std::move(output)), Options(options)
{
}

bool TAdventureBuilder::Fail(const std::string& message)
{
    Errors.push_back(message);
    return false;
}

bool TAdventureBuilder::Build()
{
    if (!fs::is_directory(Source))
        return Fail(Source + ": no such adventure source folder");
    return CreateDatabase() && RunSqlFiles() && AddResourceRows("texts", "texts", true) &&
           AddResourceRows("scripts", "scripts", false) && CopyPictures() && (WriteCipherSettings(), true);
}

bool TAdventureBuilder::CreateDatabase()
{
    const fs::path game = fs::path(Output) / "Game";
    std::error_code error;
    fs::create_directories(game, error);
    if (error)
        return Fail(game.string() + ": " + error.message());
    // A fresh database every time; a stale session copy goes with it.
    fs::remove(game / "data.db", error);
    fs::remove(game / "temp.db", error);
    if (Db.Open((game / "data.db").string()) != 0)
        return Fail((game / "data.db").string() + ": " + Db.LastMessage);
    if (Db.Execute(AdventureSchemaSql) != 0)
        return Fail("adventure schema: " + Db.LastMessage);
    return true;
}

void TAdventureBuilder::NoteOrigin(const std::string& file)
{
    for (const std::string& table : TableNames(Db)) {
        Db.Execute("select max(rowid) as last from " + table, true);
        const int64_t last = Db.Rows.empty() ? 0 : StrToInt64Def(Db.Rows[0]->GetItem("last"), 0);
        auto& origins = Origins[table];
        if (origins.empty() ? last > 0 : last > origins.back().Last)
            origins.push_back(TRowOrigin{last, file});
    }
}

bool TAdventureBuilder::RunSqlFiles()
{
    Db.BeginTransaction();
    for (const fs::path& path : SortedFiles(fs::path(Source) / "sql")) {
        if (path.extension() != ".sql")
            continue;
        std::string text;
        const std::string name = fs::relative(path, Source).string();
        if (!ReadFile(path, text))
            return Fail(name + ": cannot be read");
        for (const TSqlStatement& statement : SplitSqlStatements(text))
            if (Db.Execute(statement.Text) != 0)
                return Fail(name + ":" + std::to_string(statement.Line) + ": " + Db.LastMessage);
        NoteOrigin(name);
    }
    Db.CommitTransaction();
    return true;
}

bool TAdventureBuilder::AddResourceRows(const std::string& folder, const std::string& table, bool isText)
{
    Db.BeginTransaction();
    for (const fs::path& path : SortedFiles(fs::path(Source) / folder)) {
        const std::string fileName = path.filename().string();
        const std::string name = folder + "/" + fileName;
        const size_t underscore = fileName.find('_');
        const int64_t id = underscore == std::string::npos ? -1 : StrToInt64Def(fileName.substr(0, underscore), -1);
        if (id <= 0)
            return Fail(name + ": the name must be ID_NAME with a positive number as ID");
        std::string content;
        if (!ReadFile(path, content))
            return Fail(name + ": cannot be read");
        if (Options.Encipher) {
            const TKeyTables keys = BuildKeyTables(Options.TextKey, Options.ScriptKey, Options.ImageKey);
            content = EncipherLines(SplitLines(content), isText ? keys.TextKey : keys.ScriptKey);
        }
        if (Db.Execute("insert into " + table + " (id, file, text) values (" + std::to_string(id) + ", " +
                       SqlQuote(fileName.substr(underscore + 1)) + ", " + SqlQuote(content) + ")") != 0)
            return Fail(name + ": " + Db.LastMessage);
        NoteOrigin(name);
    }
    Db.CommitTransaction();
    return true;
}

bool TAdventureBuilder::CopyPictures()
{
    const TKeyTables keys = BuildKeyTables(Options.TextKey, Options.ScriptKey, Options.ImageKey);
    const fs::path images = fs::path(Output) / "Game" / "Images";
    std::error_code error;
    fs::remove_all(images, error);
    fs::create_directories(images, error);
    for (const fs::path& path : SortedFiles(fs::path(Source) / "images")) {
        std::string bytes;
        if (!ReadFile(path, bytes))
            return Fail("images/" + path.filename().string() + ": cannot be read");
        if (Options.Encipher) {
            const std::vector<uint8_t> plain(bytes.begin(), bytes.end());
            const std::vector<uint8_t> enciphered = DecipherStream(plain, keys.ImageKey);
            bytes.assign(enciphered.begin(), enciphered.end());
        }
        if (!WriteFile(images / path.filename(), bytes))
            return Fail((images / path.filename()).string() + ": cannot be written");
    }
    // The program folder's own pictures are never enciphered.
    for (const fs::path& path : SortedFiles(fs::path(Source) / "program")) {
        fs::copy_file(path, fs::path(Output) / path.filename(), fs::copy_options::overwrite_existing, error);
        if (error)
            return Fail(path.string() + ": " + error.message());
    }
    return true;
}

void TAdventureBuilder::WriteCipherSettings()
{
    const std::string on = Options.Encipher ? "'1'" : "'0'";
    Db.Execute("delete from general where name in ('EncText','EncScr','EncImg','TXT_KEY','SCR_KEY','IMG_KEY')");
    Db.Execute("insert into general (name, value) values ('EncText', " + on + "), ('EncScr', " + on +
               "), ('EncImg', " + on + "), ('TXT_KEY', '" + std::to_string(Options.TextKey) + "'), ('SCR_KEY', '" +
               std::to_string(Options.ScriptKey) + "'), ('IMG_KEY', '" + std::to_string(Options.ImageKey) + "')");
}

std::vector<std::string> TAdventureBuilder::Check()
{
    return CheckAdventure(Db, Origins);
}

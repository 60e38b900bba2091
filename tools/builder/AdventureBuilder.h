// Builds a program folder from an adventure source folder: Game/data.db with the
// full adventure schema and the content, Game/Images, and the program pictures.
// Texts, scripts and pictures can be enciphered the way the engine deciphers them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/SQLite.h"

struct TBuildOptions {
    bool Encipher = false;
    int TextKey = 96;
    int ScriptKey = 544;
    int ImageKey = 1200;
};

// Which source file made a table's rows: rows with row ids up to Last came from File.
struct TRowOrigin {
    int64_t Last = 0;
    std::string File;
};
using TOrigins = std::map<std::string, std::vector<TRowOrigin>>;

class TAdventureBuilder {
public:
    TAdventureBuilder(std::string source, std::string output, TBuildOptions options = {});

    // false with the reasons in Errors.
    bool Build();
    // Dangling references of the built database, each naming file and row.
    std::vector<std::string> Check();

    std::vector<std::string> Errors;
    TSQLite3 Db;

private:
    bool CreateDatabase();
    bool RunSqlFiles();
    bool AddResourceRows(const std::string& folder, const std::string& table, bool isText);
    bool CopyPictures();
    void WriteCipherSettings();
    void NoteOrigin(const std::string& file);
    bool Fail(const std::string& message);

    std::string Source;
    std::string Output;
    TBuildOptions Options;
    TOrigins Origins;
};

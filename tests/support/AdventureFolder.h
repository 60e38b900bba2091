// A Game folder in a temporary place with a data.db made from the adventure schema
// and the statements a test gives, for opening with the data manager.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AdventureSchema.h"
#include "data/SQLite.h"
#include "support/TempFolder.h"

class TAdventureFolder {
public:
    // The general rows every adventure needs to open.
    static constexpr const char* RequiredSettings =
        "insert into general (name, value) values ('MinLvl', '1'), ('MaxLvl', '18'), ('MaxParty', '6');";

    explicit TAdventureFolder(const std::string& statements = RequiredSettings)
    {
        std::filesystem::create_directories(Game() + "/Images");
        TSQLite3 db;
        db.Open(Game() + "/data.db");
        EXPECT_EQ(db.Execute(AdventureSchemaSql), 0) << db.LastMessage;
        EXPECT_EQ(db.Execute(statements), 0) << db.LastMessage;
        db.Close();
    }

    std::string Game() const { return Temp / "Game"; }

    void WriteImage(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Game() + "/Images/" + name, std::ios::binary) << bytes;
    }

    TTempFolder Temp;
};

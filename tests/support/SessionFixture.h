// An open adventure with its session database: the data manager on a Game folder
// made from the statements a test gives, and temp.db converted from it.
#pragma once

#include <filesystem>

#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionSchema.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"

class SessionFixture : public EngineFixture {
protected:
    void OpenAdventure(const std::string& content)
    {
        Folder = std::make_unique<TAdventureFolder>(std::string(TAdventureFolder::RequiredSettings) + content);
        OpenSession();
        Process().GameDir = Folder->Game();
        const std::string temp = Folder->Game() + "/temp.db";
        std::filesystem::copy_file(Folder->Game() + "/data.db", temp);
        Process().SessionDb = std::make_unique<TSQLite3>();
        Process().SessionDb->Open(temp);
        Process().SessionDb->LogErrors = true;
        ConvertToSessionDatabase(*Process().SessionDb);
        Form().DataManager = std::make_unique<TDataManager>(Folder->Game());
        ASSERT_TRUE(Data().Opened());
    }

    void TearDown() override
    {
        if (Process().MainForm)
            Form().DataManager.reset();
        EngineFixture::TearDown();
    }

    TDataManager& Data() { return *Form().DataManager; }
    TSQLite3& Db() { return *Process().SessionDb; }
    std::string Value(const std::string& query)
    {
        Db().Execute(query, true);
        return Db().Rows.empty() ? "<none>" : Db().Rows[0]->GetItem(Db().ColumnNames[0]);
    }

    std::unique_ptr<TAdventureFolder> Folder;
};

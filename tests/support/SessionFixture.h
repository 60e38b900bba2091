// An open adventure with its session database: the data manager on a Game folder
// made from the statements a test gives, and temp.db converted from it.
#pragma once

#include <filesystem>

#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionSchema.h"
#include "rules/Creature.h"
#include "support/AdventureFolder.h"
#include "support/EngineFixture.h"
#include "world/LocationManager.h"

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

    // Aldric (50001), alone in the party, standing at the location.
    TPlayer& StandAt(int64_t locationId)
    {
        Form().LocationManager = std::make_unique<TLocationManager>();
        GameClient().CurrentLocation = Form().LocationManager->GetLocation(locationId);
        Form().Party[0] = std::make_unique<TPlayer>();
        Form().Party[0]->Name = "Aldric";
        Form().Party[0]->Id = 50001;
        return *Form().Party[0];
    }

    // Corwin, a former member waiting at the given place, who talks through the
    // built-in script.
    TEntity* LayWaitingMember(TLocation& where)
    {
        Db().Execute("insert into creatures (id, template_id) values (50003, -1)");
        auto waiting = std::make_unique<TPlayer>();
        waiting->Id = 50003;
        waiting->Name = "Corwin";
        Data().SavePlayer(waiting.get(), 0);
        auto figure = std::make_unique<TEntity>();
        Data().LoadPlayerAsNpc(50003, figure.get());
        figure->PlacementId = Form().LocationManager->InsertRow(where.Id, ctWaitingMember, true, 50003);
        TEntity* laid = figure.get();
        where.AddNpc(std::move(figure));
        return laid;
    }

    std::unique_ptr<TAdventureFolder> Folder;
};

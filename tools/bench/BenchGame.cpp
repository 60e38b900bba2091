#include "tools/bench/BenchGame.h"

#include <filesystem>
#include <stdexcept>

#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "rules/Effects.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "tools/bench/SessionCopy.h"
#include "world/Location.h"
#include "world/LocationManager.h"

TBenchGame::TBenchGame(const std::string& appDir)
{
    TForm1& form = StartProcess(&Host, {});
    TProcess& process = Process();
    Host.Attach(&form, &form.RichEdit1, &process.Random);
    process.AppDir = appDir;
    process.GameDir = (std::filesystem::path(appDir) / "Game").string();
    form.DataManager = std::make_unique<TDataManager>(process.GameDir);
    if (!form.DataManager->Opened())
        throw std::runtime_error("The adventure in " + process.GameDir + " cannot be opened");
    process.SessionDb = NewSessionCopy(process.GameDir);
    TGameClient& client = GameClient();
    client.SessionClosed = false;
    client.CreateOptions();
    form.EffectsManager = std::make_unique<TEffectsManager>();
    form.LocationManager = std::make_unique<TLocationManager>();
    client.EnterLocation(form.DataManager->StartID);
}

TBenchGame::~TBenchGame()
{
    GameClient().CloseBook();
    EndProcess();
}

bool TBenchGame::Move(int orientation)
{
    const int64_t before = Here();
    GameClient().MoveInDirection(orientation);
    return Here() != before;
}

int64_t TBenchGame::Here() const
{
    const TLocation* here = GameClient().CurrentLocation;
    return here ? here->Id : 0;
}

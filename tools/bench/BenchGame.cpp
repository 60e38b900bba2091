#include "tools/bench/BenchGame.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

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

void TBenchGame::QuickSave()
{
    // A refusal or a failure is said in a box; the host has no answer for it and
    // stops the run with its text.
    if (!GameClient().SaveBookmark(TGameClient::TSaveKind::Quick))
        throw std::runtime_error("the quick save was not made");
    SavedAt = Here();
}

void TBenchGame::QuickLoad()
{
    // The one box the load may ask is answered No, as a player who saved a moment
    // ago answers it; any other box finds no answer and stops the run with its text.
    int asked = 0;
    Host.SetLineSource([&asked](const std::string& waiting) -> std::optional<std::string> {
        if (waiting != "the message box \"Save before loading?\"")
            return std::nullopt;
        ++asked;
        return "answer no";
    });
    struct TUnset {
        TScriptedHost& Host;
        ~TUnset() { Host.SetLineSource(nullptr); }
    } unset{Host};
    GameClient().QuickLoad();
    if (asked != 1)
        throw std::runtime_error("the quick load asked " + std::to_string(asked) + " times to save first");
    if (Here() != SavedAt)
        throw std::runtime_error("the quick load entered location " + std::to_string(Here()) + ", not " +
                                 std::to_string(SavedAt) + " where the game was saved");
}

int64_t TBenchGame::Here() const
{
    const TLocation* here = GameClient().CurrentLocation;
    return here ? here->Id : 0;
}

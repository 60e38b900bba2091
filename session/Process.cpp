#include "session/Process.h"

#include <stdexcept>

#include "app/MainForm.h"
#include "data/SQLite.h"
#include "platform/Host.h"
#include "rules/Item.h"
#include "script/ScriptObject.h"
#include "session/GameClient.h"
#include "world/AreaMap.h"
#include "world/Journal.h"

namespace {
std::unique_ptr<TProcess> Current;
}

TProcess::TProcess() = default;

TProcess::~TProcess()
{
    Shutdown();
}

void TProcess::Shutdown()
{
    // The client's choices refer to the window's labels: it goes first.
    Client.reset();
    Journal.reset();
    AreaMap.reset();
    MainForm.reset();
    SessionDb.reset();
    ScriptHandles.clear();
}

TProcess& Process()
{
    if (!Current)
        Current = std::make_unique<TProcess>();
    return *Current;
}

void ResetProcess()
{
    if (Current)
        Current->Shutdown();
    Current.reset();
}

IHost& Host()
{
    if (!Process().Host)
        throw std::logic_error("No host is attached to the engine");
    return *Process().Host;
}

TForm1& MainForm()
{
    if (!Process().MainForm)
        throw std::logic_error("The main window has not been created");
    return *Process().MainForm;
}

TGameClient& GameClient()
{
    if (!Process().Client)
        throw std::logic_error("The game client has not been created");
    return *Process().Client;
}

TJournalManager& JournalManager()
{
    if (!Process().Journal)
        Process().Journal = std::make_unique<TJournalManager>();
    return *Process().Journal;
}

TMapArea& AreaMap()
{
    if (!Process().AreaMap)
        Process().AreaMap = std::make_unique<TMapArea>();
    return *Process().AreaMap;
}

bool BookOpen()
{
    return !Process().GameDir.empty();
}

// The process-wide state of the engine, reached through one accessor so that a
// test can build a fresh one and destroy it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/Cipher.h"
#include "data/Hash.h"
#include "data/MessageTable.h"
#include "platform/Random.h"
#include "script/Variant.h"

class IHost;
class TSQLite3;
class TForm1;
class TGameClient;
class TItem;
class TJournalManager;
class TMapArea;
class TScriptObject;

struct TProcess {
    TProcess();
    ~TProcess();
    // Frees the session pieces in their order, while this state is still the
    // current one (their destructors reach it).
    void Shutdown();

    // The program that shows the engine; not owned.
    IHost* Host = nullptr;
    // The program folder, and its adventure folder while a book is open.
    std::string AppDir;
    std::string GameDir;
    std::unique_ptr<TForm1> MainForm;
    std::unique_ptr<TGameClient> Client;
    // The session database (temp.db) while a book is open.
    std::unique_ptr<TSQLite3> SessionDb;
    TMessageTable MessageTable;
    // The keys of the adventure opened last.
    TKeyTables Keys;
    TRandomSource Random;
    // The adventure's global switches, set and tested by scripts.
    TIntegerHash Switches;
    int SelectedMember = 1;
    // The shared "EMPTY" item of empty slots.
    std::unique_ptr<TItem> Empty;
    // Loaded scripts by handle; null is a free place.
    std::vector<std::shared_ptr<TScriptObject>> ScriptHandles;
    // The script global variables, in the order they were made.
    std::vector<std::pair<std::string, TVariant>> GlobalVariables;
    // The journal and quest book, and the current area's map; made on first use.
    std::unique_ptr<TJournalManager> Journal;
    std::unique_ptr<TMapArea> AreaMap;
};

// The current process state, built on first use.
TProcess& Process();
// Destroys the current state; the next Process() builds a fresh one.
void ResetProcess();

// Shortcuts into the current state; each raises std::logic_error when the piece
// has not been created.
IHost& Host();
TForm1& MainForm();
TGameClient& GameClient();
TJournalManager& JournalManager();
TMapArea& AreaMap();
// A book is open exactly while GameDir is set.
bool BookOpen();

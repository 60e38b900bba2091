// The console program. Until the game session exists it opens the bundled
// adventure and reports what the engine reads of it.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "data/DataManager.h"
#include "platform/ScriptedHost.h"
#include "session/Process.h"

int main(int argc, char** argv)
{
    std::string appDir = ".";
    for (int index = 1; index + 1 < argc; ++index)
        if (std::strcmp(argv[index], "--appdir") == 0)
            appDir = argv[index + 1];

    TScriptedHost host;
    host.StopOnError = false;
    Process().Host = &host;
    try {
        TDataManager adventure(appDir + "/Game");
        if (!adventure.Opened()) {
            std::fprintf(stderr, "No adventure could be opened in %s/Game.\n", appDir.c_str());
            return 1;
        }
        adventure.AdventureDb.Execute("select count(*) as n from locations", true);
        std::printf("%s %s\n%s locations are ready. Play arrives with the game session.\n",
                    adventure.AdventureTitle.c_str(), adventure.AdventureVersion.c_str(),
                    adventure.AdventureDb.Rows.empty() ? "No" : adventure.AdventureDb.Rows[0]->GetItem("n").c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// The Goblin Forge: where the goblins tried to smelt the ember-ore they carried
// off, and found it dead.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500260 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("You pick a lump of ember-ore off the heap. In Cindervale it would be warm in your hand "
                             "and glowing at the cracks. This is grey, and cold, and dead as slate. The goblins have "
                             "beaten some of it to powder, as if trying to find where the fire went.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500260()
{
    return std::make_unique<TScript_500260>();
}

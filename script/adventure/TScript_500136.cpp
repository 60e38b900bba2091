// The Banked Hearth: the inn's common room, marked on the town map.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"

namespace {

class TScript_500136 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnTownMap(InnPlace);
        Cmd().PrintParagraph("As you find a bench, a grey-bearded miner at the next table lifts his mug towards the empty "
                             "seats by the fire. Around the room, without a word, every drinker does the same.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500136()
{
    return std::make_unique<TScript_500136>();
}

// The scorched gallery: goblins who came too near the heart, and stayed.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500309 : public THeartRest {
public:
    int32_t OnFirstEnter() override
    {
        FightOnEntry(ScorchedGalleryPlace,
                     "Two goblins crouch over a heap of scorched bones at the far end of the gallery. Their skin is "
                     "blistered and their eyes shine red like coals, and they turn to you all at once, grinning, "
                     "as if they had been waiting.",
                     "Ember-mad goblins attack!", HeartMapPicture);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500309()
{
    return std::make_unique<TScript_500309>();
}

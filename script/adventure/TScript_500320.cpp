// The vigil of the Hollow Flame: its hierarch keeps watch before the heart's
// door and lets the party come to him.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500320 : public THeartRest {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInHeart();
        Cmd().PrintParagraph("A man in a black robe kneels alone before the door, among a hundred black candles that "
                             "burn with their flames pointing down. He hears you come in; he does not get up, and he "
                             "does not reach for a weapon.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500320()
{
    return std::make_unique<TScript_500320>();
}

// The warren's watch: the goblins at the mouth of the warren, and the archers on
// the shelf above it, fall on whoever comes down the stair.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

class TScript_500247 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        if (PartyLocation() == SentryShelf)
            FightInTheDeeps("The archers on the shelf have heard the fight below. They are ready for you, arrows on "
                            "the string, and they have the height.",
                            "The goblin archers shoot!");
        else
            FightInTheDeeps("The two goblins at the mouth jump up from their dice, knives out, and one of them shrieks "
                            "a warning down into the warren. Nothing answers it. Yet.",
                            "The goblins come at you!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500247()
{
    return std::make_unique<TScript_500247>();
}

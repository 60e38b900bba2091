// The Smithy Yard: Brannoc sorting through the dead ember-ore.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/TownScripts.h"

namespace {

class TScript_500115 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyOnTownMap(SmithyYardPlace);
        Cmd().PrintParagraph("A stone cracks in the smith's fist, and he drops the pieces on the discard heap. "
                             "~<i>\"If it's the counter you want, it's through the door,\"~<> he says, still without "
                             "looking up. ~<i>\"If it's me, you'll have to talk over the noise.\"~<> There is no noise.");
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(SmithyYardPlace);
        if (Cmd().GetCounter(CounterHammerQuest) > 0 && Cmd().GetCounter(CounterHammerFound) == 0)
            Cmd().PrintParagraph("Brannoc glances up as you come into the yard, at your hands and your belts, and goes "
                                 "back to his stones when he sees no hammer there.");
        else
            Cmd().PrintParagraph("Brannoc is still at the ore pile, weighing each grey stone in his palm and tossing it "
                                 "aside.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500115()
{
    return std::make_unique<TScript_500115>();
}

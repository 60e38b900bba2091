// The Ogres' Den: the plunder's hiding place and a warm bed, but its second
// ogre comes home two nights in three.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t MateStaysOut = 67; // a roll above this sleeps the night through
constexpr int64_t Ogre = 30010;

class TScript_500311 : public TScriptObject {
public:
    int32_t OnRest() override
    {
        RestAtRisk(this, {OgreDenPlace, MateStaysOut,
                          "Nobody lifts the hide over the door all night. The party rests on the ogres' bracken.",
                          Ogre, 1,
                          "The hide over the door is torn aside. The second bed's owner has come home, and it is "
                          "hungry. Ogres attack!"});
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500311()
{
    return std::make_unique<TScript_500311>();
}

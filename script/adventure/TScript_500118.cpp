// The Burnt House: the trapdoor down to the Sealed Cellar lies under the
// churned ash, and shows itself the first time the party comes in.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

constexpr int64_t BurntHouse = 1023;
constexpr int64_t SealedCellar = 1025;

class TScript_500118 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("You kick through the ash where it lies churned in the corner, and your boot rings on "
                           "something hollow. Under a hand's depth of cinders is a trapdoor of old black oak with an "
                           "iron ring, and a cold draught breathes up through its cracks, smelling of tallow and rats.");
        cmd.ShowExit(BurntHouse, SealedCellar, true);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500118()
{
    return std::make_unique<TScript_500118>();
}

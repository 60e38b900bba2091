// The Scree Run: two rock goblins wait in the scree for whatever comes up from
// their cousins' shaft.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500233 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        FightOnTheSlopes(ScreeRunPlace,
                         "Halfway up the scree two of the grey stones stand up. Rock goblins, bigger and paler than "
                         "the warren's, with clubs of bound stone, and they have been watching you climb.",
                         "The rock goblins attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500233()
{
    return std::make_unique<TScript_500233>();
}

// The Harpy Crag: the harpies of the fourth peak, and what they have carried up
// to their ledge.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500241 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        FightOnTheSlopes(HarpyCragPlace,
                         "The crag stinks. Bones are wedged in every crack, sheep's bones and not only sheep's, and "
                         "on the ledge above two hunched shapes with women's faces and vultures' wings turn to look "
                         "at you.",
                         "The harpies attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500241()
{
    return std::make_unique<TScript_500241>();
}

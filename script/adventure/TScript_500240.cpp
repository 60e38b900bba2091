// The Ridge Path: the five peaks overhead, the cairns under them, and the
// wolves that hold the ridge.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500240 : public TSlopePlace {
public:
    int32_t OnFirstEnter() override
    {
        FightOnTheSlopes(RidgePathPlace,
                         "The path runs along under the five peaks. West, under the third and tallest of them, "
                         "stands a cairn taller than a man. You have only taken a dozen steps toward it when two "
                         "grey shapes lope out from behind a boulder, heads low.",
                         "The mountain wolves attack!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500240()
{
    return std::make_unique<TScript_500240>();
}

// The deep forge: the dwarves built it to hold back the heart's heat; a wisp finds it now and then.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500318 : public THeartRest {
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500318()
{
    return std::make_unique<TScript_500318>();
}

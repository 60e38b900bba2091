// The cult's cells: ember-mad goblins come to them for the leavings.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500319 : public THeartRest {
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500319()
{
    return std::make_unique<TScript_500319>();
}

// The miners' hollow: the one place under the heart the heat does not reach, and a safe night.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500317 : public THeartRest {
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500317()
{
    return std::make_unique<TScript_500317>();
}

// The guardian's hoard: a dwarf treasury, shut to almost everything.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"

namespace {

class TScript_500321 : public THeartRest {
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500321()
{
    return std::make_unique<TScript_500321>();
}

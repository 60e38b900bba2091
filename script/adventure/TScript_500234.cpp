// The Goat Track: a spur's track east of the scree, out to the hermit.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500234 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500234()
{
    return std::make_unique<TScript_500234>();
}

// The Hermit's Cell: Old Anselm's fire in the rock, the quietest night on the
// mountain.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500236 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500236()
{
    return std::make_unique<TScript_500236>();
}

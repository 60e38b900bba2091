// The Hermit's Ledge: his garden before his cell; his goats keep most nights
// quiet.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500235 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500235()
{
    return std::make_unique<TScript_500235>();
}

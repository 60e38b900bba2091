// The Wind Gap: where the five peaks of the cult's sigil first stand in view;
// harpies ride its wind at night.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500237 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500237()
{
    return std::make_unique<TScript_500237>();
}

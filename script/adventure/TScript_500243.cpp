// The Black Tarn: a still water under the ridge, with herbs at its edge;
// harpies come down to it at night.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500243 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500243()
{
    return std::make_unique<TScript_500243>();
}

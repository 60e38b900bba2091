// The Heather Slope: the first climb off the shaft head, where the wolves
// hunt the shepherds' sheep.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500232 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500232()
{
    return std::make_unique<TScript_500232>();
}

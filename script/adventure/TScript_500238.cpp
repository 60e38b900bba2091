// The Sheep Walk: the shepherds' grazing above the zigzags, where the lad
// keeps the flock.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500238 : public TSlopePlace {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500238()
{
    return std::make_unique<TScript_500238>();
}

// The cult champion of the altar: a healing draught once, when it is hurt.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/QuaffWhenHurt.h"

namespace {

class TScript_500293 : public TQuaffWhenHurt {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500293()
{
    return std::make_unique<TScript_500293>();
}

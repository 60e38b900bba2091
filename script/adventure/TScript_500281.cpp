// The goblin chief: a healing draught once, when it is hurt.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/QuaffWhenHurt.h"

namespace {

class TScript_500281 : public TQuaffWhenHurt {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500281()
{
    return std::make_unique<TScript_500281>();
}

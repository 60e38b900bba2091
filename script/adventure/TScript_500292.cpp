// The cult champion of the bone aisle: a healing draught once, when it is hurt.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/QuaffWhenHurt.h"

namespace {

class TScript_500292 : public TQuaffWhenHurt {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500292()
{
    return std::make_unique<TScript_500292>();
}

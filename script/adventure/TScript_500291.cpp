// The cult champion of the crypt's gate: a healing draught once, when it is hurt.
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/QuaffWhenHurt.h"

namespace {

class TScript_500291 : public TQuaffWhenHurt {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500291()
{
    return std::make_unique<TScript_500291>();
}

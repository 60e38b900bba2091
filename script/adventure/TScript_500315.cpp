// The Flame Gallery: a night among the cult's downward flames.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500315 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500315()
{
    return std::make_unique<TScript_500315>();
}

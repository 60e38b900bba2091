// The Iron Door: a night in the nave's south end, where the cult comes and goes.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500312 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500312()
{
    return std::make_unique<TScript_500312>();
}

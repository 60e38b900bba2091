// The Collapsed Cloister: a night under the broken vault.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500313 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500313()
{
    return std::make_unique<TScript_500313>();
}

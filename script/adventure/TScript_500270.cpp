// The Hall of Inscriptions: a night among the sisters' letters.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500270 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500270()
{
    return std::make_unique<TScript_500270>();
}

// The Bell Chamber: a quiet night under the cracked bell.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500307 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500307()
{
    return std::make_unique<TScript_500307>();
}

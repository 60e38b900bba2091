// The Sexton's Cell: the crypt keeper's barred room, the safest night past the iron door.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500285 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500285()
{
    return std::make_unique<TScript_500285>();
}

// The Cult's Shrine: a camp before the cult's own shrine, at the cult's mercy.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500282 : public TCryptCamp {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500282()
{
    return std::make_unique<TScript_500282>();
}

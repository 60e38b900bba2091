// The Cult's Quarters: a camp on the cult's own pallets, where the cult may
// come home.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500275 : public TCryptCamp {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500275()
{
    return std::make_unique<TScript_500275>();
}

// The Pilgrims' Refuge: the pilgrims who got away keep its door barred; the
// crypt's safest camp.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500274 : public TCryptCamp {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500274()
{
    return std::make_unique<TScript_500274>();
}

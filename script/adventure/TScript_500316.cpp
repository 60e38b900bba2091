// The Priests' Tombs: a night among the temple's dead priests.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500316 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500316()
{
    return std::make_unique<TScript_500316>();
}

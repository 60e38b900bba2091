// The Sisters' Crypt: the sisters let the living sleep among them.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500314 : public TCryptRest {};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500314()
{
    return std::make_unique<TScript_500314>();
}

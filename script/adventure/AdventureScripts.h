// The adventure's script classes, one file each; the class table maps their ids
// to these makers.
#pragma once

#include <memory>

#include "script/ScriptObject.h"

std::unique_ptr<TScriptObject> MakeScript_500102();
std::unique_ptr<TScriptObject> MakeScript_500103();
std::unique_ptr<TScriptObject> MakeScript_500104();
std::unique_ptr<TScriptObject> MakeScript_500105();
std::unique_ptr<TScriptObject> MakeScript_500106();
std::unique_ptr<TScriptObject> MakeScript_500107();
std::unique_ptr<TScriptObject> MakeScript_500108();
std::unique_ptr<TScriptObject> MakeScript_500109();
std::unique_ptr<TScriptObject> MakeScript_500110();
std::unique_ptr<TScriptObject> MakeScript_500111();
std::unique_ptr<TScriptObject> MakeScript_500112();
std::unique_ptr<TScriptObject> MakeScript_500113();
std::unique_ptr<TScriptObject> MakeScript_500114();
std::unique_ptr<TScriptObject> MakeScript_500115();
std::unique_ptr<TScriptObject> MakeScript_500116();
std::unique_ptr<TScriptObject> MakeScript_500117();
std::unique_ptr<TScriptObject> MakeScript_500118();
std::unique_ptr<TScriptObject> MakeScript_500119();
std::unique_ptr<TScriptObject> MakeScript_500120();
std::unique_ptr<TScriptObject> MakeScript_500121();
std::unique_ptr<TScriptObject> MakeScript_500122();
std::unique_ptr<TScriptObject> MakeScript_500124();
std::unique_ptr<TScriptObject> MakeScript_500126();
std::unique_ptr<TScriptObject> MakeScript_500127();
std::unique_ptr<TScriptObject> MakeScript_500128();
std::unique_ptr<TScriptObject> MakeScript_500129();
std::unique_ptr<TScriptObject> MakeScript_500130();
std::unique_ptr<TScriptObject> MakeScript_500131();
std::unique_ptr<TScriptObject> MakeScript_500136();
std::unique_ptr<TScriptObject> MakeScript_500137();
std::unique_ptr<TScriptObject> MakeScript_500138();
std::unique_ptr<TScriptObject> MakeScript_500141();
std::unique_ptr<TScriptObject> MakeScript_500142();
std::unique_ptr<TScriptObject> MakeScript_500143();
std::unique_ptr<TScriptObject> MakeScript_500144();
std::unique_ptr<TScriptObject> MakeScript_500145();
std::unique_ptr<TScriptObject> MakeScript_500148();
std::unique_ptr<TScriptObject> MakeScript_500149();
std::unique_ptr<TScriptObject> MakeScript_500150();
std::unique_ptr<TScriptObject> MakeScript_500151();
std::unique_ptr<TScriptObject> MakeScript_500155();
std::unique_ptr<TScriptObject> MakeScript_500280();
std::unique_ptr<TScriptObject> MakeScript_500281();
std::unique_ptr<TScriptObject> MakeScript_500291();
std::unique_ptr<TScriptObject> MakeScript_500292();
std::unique_ptr<TScriptObject> MakeScript_500293();
std::unique_ptr<TScriptObject> MakeScript_500324();

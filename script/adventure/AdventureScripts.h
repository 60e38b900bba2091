// The adventure's script classes, one file each; the class table maps their ids
// to these makers.
#pragma once

#include <memory>

#include "script/ScriptObject.h"

std::unique_ptr<TScriptObject> MakeScript_500102();
std::unique_ptr<TScriptObject> MakeScript_500103();
std::unique_ptr<TScriptObject> MakeScript_500104();
std::unique_ptr<TScriptObject> MakeScript_500112();
std::unique_ptr<TScriptObject> MakeScript_500128();

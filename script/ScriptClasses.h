// The table of script classes by id.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

class TScriptObject;

using TScriptFactory = std::unique_ptr<TScriptObject> (*)();

const std::map<int64_t, TScriptFactory>& ScriptClasses();
// Adds or replaces a class (a host or a test may bring classes of its own).
void RegisterScriptClass(int64_t id, TScriptFactory factory);

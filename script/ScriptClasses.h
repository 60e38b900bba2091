// The table of script classes by id.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

class TScriptObject;

using TScriptFactory = std::unique_ptr<TScriptObject> (*)();

const std::map<int64_t, TScriptFactory>& ScriptClasses();

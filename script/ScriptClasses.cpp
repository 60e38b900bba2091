#include "script/ScriptClasses.h"

#include "script/Script100.h"
#include "script/adventure/AdventureScripts.h"

namespace {

std::unique_ptr<TScriptObject> MakeScript_100()
{
    return std::make_unique<TScript_100>();
}

} // namespace

const std::map<int64_t, TScriptFactory>& ScriptClasses()
{
    static const std::map<int64_t, TScriptFactory> classes = {
        {100, &MakeScript_100},
        {500102, &MakeScript_500102},
        {500103, &MakeScript_500103},
        {500104, &MakeScript_500104},
        {500112, &MakeScript_500112},
        {500128, &MakeScript_500128},
    };
    return classes;
}

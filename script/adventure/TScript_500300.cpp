// The ember shard, looked at closely: the heart's own fire, beating still.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500300 : public TScriptObject {
public:
    int32_t OnInfo() override
    {
        Cmd().PrintParagraph(SenderProxy.GetName() + " turns the shard over. It is warm right through, never hot, "
                             "and deep inside it a point of light beats, slowly, twice and then a pause, like the "
                             "heart it came from. When it is held toward the forge the beat quickens.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500300()
{
    return std::make_unique<TScript_500300>();
}

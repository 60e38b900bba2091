// Smiths' Lane: the forges gone cold, all but one.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500113 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("From the far end of the lane comes the ring of a single hammer. It stops, and starts again, "
                             "and stops, like a smith who has forgotten what he meant to make.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500113()
{
    return std::make_unique<TScript_500113>();
}

// The Wall Walk: the whole valley in view, and a light where none should be.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500109 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("As you watch the mountain, a single light moves high on the black flank of the Ashfang, far "
                             "above where the mine-head should be. It stops, as if someone had turned to look down at the "
                             "town, and goes out.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500109()
{
    return std::make_unique<TScript_500109>();
}

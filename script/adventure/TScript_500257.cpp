// The Bone Passage: the way down to the shaman's den, hung with the bones of
// what the warren has eaten.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500257 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("The bones click against each other as you push through them. Most are goat. Some are "
                             "not. Below, a voice is chanting, high and nasal, and the smoke that comes up the passage "
                             "smells of burnt hair.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500257()
{
    return std::make_unique<TScript_500257>();
}

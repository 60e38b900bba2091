// Temple Way: the candle-niches of the town's families.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500111 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("An old woman kneels at one of the niches, lighting a new candle from the stub of the old "
                             "one. ~<i>\"For my Aldo,\"~<> she says, without being asked. ~<i>\"Fourth shift. He never "
                             "could find his way home in the dark.\"~<>");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500111()
{
    return std::make_unique<TScript_500111>();
}

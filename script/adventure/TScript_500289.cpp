// The Sisters' Font: the spring the sisters blessed still runs, and its water is
// still holy.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500289 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInCrypt();
        Cmd().PrintParagraph("The water in the font is clear and cold, and it is the only thing in the crypt that "
                             "does not smell of smoke. A row of stoppered flasks stands on the font's rim, as if "
                             "someone had meant to come back for them. Over it all hangs a pale shape that might be "
                             "a woman in a sister's hood.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500289()
{
    return std::make_unique<TScript_500289>();
}

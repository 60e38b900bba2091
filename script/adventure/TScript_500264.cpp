// The Captive's Cell: a hole behind the chief's hall, barred with a cart-wheel,
// where the chief keeps the prisoner he was paid to keep.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500264 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        MarkPartyInDeeps();
        Cmd().PrintParagraph("You drag the cart-wheel aside. A man in the rags of a grey temple habit shrinks back "
                             "against the wall, chained by one ankle, and throws up an arm against your light.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500264()
{
    return std::make_unique<TScript_500264>();
}

// The ore bin by the weighbridge, where the weighman hid his key.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500132 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        Cmd().PrintParagraph("You scrape through the crust of ore dust in the bottom, and something chinks under "
                             "your fingers: a long iron key on a greasy string, stamped with a pair of scales.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500132()
{
    return std::make_unique<TScript_500132>();
}

// The Ring of the Deep Smith: the forge's last smith's own ring, from the
// guardian's hoard.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500299 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        Cmd().PrintParagraph(SenderProxy.GetName() + " rubs the soot off the ring with a thumb. Under it the iron is "
                             "bright and unmarked, as if it had been forged this morning, and a hammer and a lamp are "
                             "worked round the band. It is a master smith's ring of the deep forge: it was made to "
                             "be worn at the hearth, and it turns fire and steadies the arm.");
        SelfProxy.Identify();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500299()
{
    return std::make_unique<TScript_500299>();
}

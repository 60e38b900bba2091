// The Mayor's Seal: the key to the old doors in the mountain.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500121 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        Cmd().PrintParagraph(SenderProxy.GetName() + " wraps the seal in a scrap of cloth and stows it at the bottom of "
                             "the pack. A hundred and forty years of mayors have carried it; it would not do to be the "
                             "ones who lost it.");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500121()
{
    return std::make_unique<TScript_500121>();
}

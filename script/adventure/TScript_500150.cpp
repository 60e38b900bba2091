// The Almonry: old Sister Agna minds the counter while Ysolde keeps the nave.
// The sisters sell remedies near cost, and name what a thing really is.
#include "rules/ShopSession.h"
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Agna{"Sister Agna", "#D8C8A8"};

class TScript_500150 : public TScriptObject {
public:
    int32_t OnEnter() override
    {
        Agna.Say("Draughts, tonics, prayers on linen. Every coin goes to the families of the fourth shift, so don't "
                 "haggle with an old woman.");
        Cmd().OpenShop("The Almonry", 50, 10, 1011);
        Cmd().AddShopService("Have Sister Agna name an item", 10, IdentifyService);
        Cmd().RunShop(this);
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500150()
{
    return std::make_unique<TScript_500150>();
}

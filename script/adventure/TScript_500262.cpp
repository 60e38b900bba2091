// The Chief's Hall: Gritjaw, chief of the Ashfang goblins, on his throne of
// pit-props, with his spearman.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500262 : public TDeepsPlace {
public:
    int32_t OnFirstEnter() override
    {
        FightInTheDeeps("~<c:#B4C864>Gritjaw:~<> ~<i>\"Diggers,\"~<> the chief says, and spits. ~<i>\"More diggers. "
                        "Hollow men pay Gritjaw for every digger's head. Gritjaw get rich today.\"~<> He pulls a "
                        "notched cleaver out of the arm of his throne and comes down the steps.",
                        "The goblin chief attacks!");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500262()
{
    return std::make_unique<TScript_500262>();
}

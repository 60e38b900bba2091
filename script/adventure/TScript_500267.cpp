// Swinging the Censer of the Sisters: the sweet smoke draws the poison out of
// every member of the party.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

constexpr int32_t PartySlots = 6;

class TScript_500267 : public TScriptObject {
public:
    int32_t OnExecute() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("~<c:YELLOW>" + SenderProxy.GetName() + " swings the censer, and a sweet smoke that smells "
                           "of summer hillsides curls round the party. Where it touches, poison fades from the blood.");
        for (int32_t slot = 1; slot <= PartySlots; ++slot) {
            TScriptTarget breather;
            breather.Object = cmd.PartyMember(slot);
            if (breather.Object)
                cmd.CurePoison(breather.GetId());
        }
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500267()
{
    return std::make_unique<TScript_500267>();
}

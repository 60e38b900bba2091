// The Sigil of the Hollow Flame, hung over the chief's hoard: the cult's own
// token, with the slopes cut into its back. The first pick-up reads it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500125 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterSigilFound) > 0)
            return -1;
        cmd.ChangeCounter(CounterSigilFound, true);
        cmd.PrintParagraph(SenderProxy.GetName() + " turns the iron disc over. On its face is the circle and the "
                           "downward flame. On its back, scratched fine, are five peaks in a row, a cairn under the "
                           "third, and below the cairn a door.");
        cmd.AddJournalEntry("j_flame_sigil", "j_flame_sigil.txt");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500125()
{
    return std::make_unique<TScript_500125>();
}

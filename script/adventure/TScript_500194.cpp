// The letter in black wax, in the shaman's den: the cult's orders to the
// shaman. The first pick-up reads it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/DeepsScripts.h"

namespace {

class TScript_500194 : public TScriptObject {
public:
    int32_t OnPickUp() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterCultLetterRead) > 0)
            return -1;
        cmd.ChangeCounter(CounterCultLetterRead, true);
        cmd.PrintParagraph(SenderProxy.GetName() + " breaks the black wax. The hand is a clerk's, careful and "
                           "small: ~<i>\"To the shaman of the Ashfang. The second payment comes with this. Keep the "
                           "diggers out of the deep workings until the Heart has woken; after that they may dig what "
                           "they like. Our brothers keep the door on the slopes. Burn this.\"~<> It is signed with a "
                           "circle and a flame burning downwards.");
        cmd.AddJournalEntry("j_cult_letter", "j_cult_letter.txt");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500194()
{
    return std::make_unique<TScript_500194>();
}

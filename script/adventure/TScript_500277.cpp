// The Altar of Ashara in the chapel: fouled with the cult's downward flame
// until holy water from the sisters' font washes it clean.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500277 : public TScriptObject {
public:
    int32_t OnExamine() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterAltarCleansed) > 0) {
            cmd.PrintParagraph("The altar is white stone again, and a faint warmth rises from it like sunlight off a "
                               "wall at evening. Ashara's sun shows clear on its face.");
            return 1;
        }
        cmd.PrintParagraph("Ashara's sun is still carved on the altar's face, but the cult has painted over it in "
                           "soot and something darker: a flame burning downwards. A greasy smoke seeps out of the "
                           "stone and pours along the floor. Scrubbing will not shift this; it wants something "
                           "holier than a rag.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500277()
{
    return std::make_unique<TScript_500277>();
}

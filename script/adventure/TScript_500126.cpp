// The Ring of the Banked Fire: an Ember Warden's oath-ring, taken from the
// fourth shift and hidden in the cult's strongbox.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"

namespace {

class TScript_500126 : public TScriptObject {
public:
    int32_t OnIdentify() override
    {
        Cmd().PrintParagraph(SenderProxy.GetName() + " rubs at the tarnish, and the little flame stamped inside the "
                             "band glows like a coal that has been breathed on. Around it runs a line of tiny letters: "
                             "~<i>Bank the fire, keep the fire. Odo Venn, Warden, Fourth Shift.~<> It is the oath-ring of "
                             "an Ember Warden, sworn to keep the town's fires as a banked hearth keeps its coals through "
                             "the longest night. It keeps its wearer's heart warm and turns aside both blows and flame.");
        SelfProxy.Identify();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500126()
{
    return std::make_unique<TScript_500126>();
}

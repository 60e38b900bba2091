// Old Oswy, the pilgrims' elder, who keeps the refuge barred: the crypt's
// safe places and its dangers, as a pilgrim knows them.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

constexpr TSpeaker Oswy{"Old Oswy", "#A0C8A0"};

class TScript_500286 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        Oswy.Say("Come in, come in, and bar the door behind you. Nobody gets a night's sleep in this crypt but in "
                 "here.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Who are you?", "0", [] {
            Oswy.Say("Oswy. I have walked up this mountain to the sisters' doors every spring for fifty years, and "
                     "this year the doors were open. The hooded men took most of us. I hid.");
        });
        cmd.AddChoice(0, "What should we watch for?", "0", [] {
            Oswy.Say("The dead are walking in the ossuary and the tombs; they don't like the cult any more than I "
                     "do, but they don't like you either. The stairs are strung with the cult's little surprises. "
                     "And the sisters lie west, past the broken cloister; it's quiet there.");
        });
        cmd.AddChoice(0, "Goodbye.", "", [] { Oswy.Say("Sun keep you."); });
        cmd.RunChoices(this);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500286()
{
    return std::make_unique<TScript_500286>();
}

// High Priest Aurelan, raised from his sarcophagus when it is opened: what the
// Sunstone is, and what it is for.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

constexpr TSpeaker Aurelan{"High Priest Aurelan", "#FFE080"};
// Set once Aurelan has told the party what the Sunstone is for.
constexpr const char* CounterSunstoneTold = "crypt_sunstone_told";

class TScript_500287 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        Aurelan.Say("Well. Somebody has opened my box at last. I hope it was worth the trouble.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "What is the stone you were holding?", "", [] { Tell(); });
        cmd.AddChoice(0, "Goodbye.", "", [] { Aurelan.Say("Close the lid on your way out. Or don't; I'm past minding."); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Tell()
    {
        TScriptCmd& cmd = Cmd();
        Aurelan.Say("The Sunstone. A piece of the noon, Ashara's gift. While we lived, we held the fire under the "
                    "mountain down with it. Take it down the stair to the Heart and carry it before you: where its "
                    "light falls, the Heart's fire cannot feed whatever guards it.");
        if (cmd.GetCounter(CounterSunstoneTold) > 0)
            return;
        cmd.ChangeCounter(CounterSunstoneTold, true);
        cmd.AddJournalEntry("j_crypt_sunstone", "j_crypt_sunstone.txt");
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500287()
{
    return std::make_unique<TScript_500287>();
}

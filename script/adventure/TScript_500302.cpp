// Mag Tillery, a miner the cult chained in its cells to feed to the heart: cut
// loose, she gives the party the draught she hid from her keepers and goes to
// the hollow.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/HeartScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Mag{"Mag Tillery", "#A0C8A0"};
constexpr int64_t MagTillery = 40062;
constexpr int64_t HiddenDraught = 21610;
constexpr int32_t PersonContent = 30;

class TScript_500302 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInHeart();
        Mag.Say("Get this chain off me before the hierarch remembers I'm here. They were saving me for the Heart.");
        cmd.BeginChoices();
        cmd.AddChoice(0, "Break the chain.", "", [] { Free(); });
        cmd.AddChoice(0, "Not yet.", "", [] { Mag.Say("Then what use are you?"); });
        cmd.RunChoices(this);
        return 1;
    }

private:
    static void Free()
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("The chain is fixed to a ring of old dwarf-iron, but the staple in the wall has rusted "
                           "through. Two blows knock it loose.");
        Mag.Say("Ashara bless you. Here, I hid this from them; they never search their own. And hear me: the thing "
                "in the heart chamber, it mends while the Heart beats. I watched the hierarch feed it men. Don't let "
                "it breathe on you all bunched up, and don't waste fire on it. I'm away to the hollow.");
        cmd.GiveItem(HiddenDraught);
        cmd.PrintParagraph("~<c:YELLOW>Mag Tillery gives you a Healing Draught and slips away toward the miners' "
                           "hollow.");
        cmd.ShowContent(PersonContent, MagTillery, false);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500302()
{
    return std::make_unique<TScript_500302>();
}

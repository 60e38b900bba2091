// Holy water from the sisters' font: poured on the fouled altar it washes the
// cult's mark away, the smoke dies, and the curtain of downward flame across
// the shrine's arch goes out.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500322 : public TScriptObject {
public:
    int32_t OnUseWith() override
    {
        TScriptCmd& cmd = Cmd();
        if (TargetProxy.GetTemplateId() != AltarTemplate)
            return -1;
        if (cmd.GetCounter(CounterAltarCleansed) > 0) {
            cmd.PrintParagraph("The altar is clean already.");
            return 1;
        }
        cmd.ChangeCounter(CounterAltarCleansed, true);
        SenderProxy.TakeItem(SelfProxy.GetId());
        cmd.PrintParagraph("~<c:YELLOW>" + SenderProxy.GetName() + " pours the holy water over the altar. Where it "
                           "runs, the soot hisses and lifts away like burnt paper, and the downward flame peels off "
                           "the stone. The smoke stops. For a moment Ashara's sun on the altar's face shines as if "
                           "the noon were behind it.");
        cmd.PrintParagraph("To the east, the curtain of downward flame across the shrine's arch gutters and goes "
                           "out.");
        cmd.ShowExit(DesecratedChapel, CultsShrine, true);
        cmd.AddJournalEntry("j_crypt_altar", "j_crypt_altar.txt");
        MoveCryptGoal(HeartStairPlace);
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500322()
{
    return std::make_unique<TScript_500322>();
}

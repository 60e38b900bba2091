// The Heart Stair: the crypt's deepest place. The stair beyond goes down to
// the Ember Heart; the quest of the crypt ends here.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500298 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        TScriptCmd& cmd = Cmd();
        MarkPartyInCrypt();
        cmd.PrintParagraph("~<c:YELLOW>Here the sisters' stonework ends. Beyond a broken arch a stair cut in the raw "
                           "rock of the mountain goes down and down, and up it comes heat like the breath of a forge "
                           "and a slow red light that brightens and dims, brightens and dims, like something "
                           "breathing. The Ember Heart is at the bottom.");
        cmd.CompleteQuest(QuestCrypt);
        ClearQuestGoalOnMap(CryptMapPicture, QuestCrypt);
        cmd.AddJournalEntry("j_crypt_heart_stair", "j_crypt_heart_stair.txt");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500298()
{
    return std::make_unique<TScript_500298>();
}

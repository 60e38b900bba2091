// The sisters' offering chest in the ruin: under the shepherds' last offerings
// lies the first sisters' note of the crypt they sealed with the town's seal,
// which sends the party to the mayor for it.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500135 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("Under a few coins and the shepherds' last offerings lies a fold of vellum, brown with "
                           "age, in a careful old hand: ~<i>Here under the first house we have laid our sisters and "
                           "banked the mountain's fire, and sealed the door with the town's seal, which we give to "
                           "the first mayor of Cindervale and to every mayor after, so that the crypt be never opened "
                           "by one hand alone.~<>");
        cmd.AddJournalEntry("j_sisters_note", "j_sisters_note.txt");
        AskForTheTownsSeal();
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500135()
{
    return std::make_unique<TScript_500135>();
}

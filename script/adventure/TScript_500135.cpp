// The bronze doors under the ruin: the sisters shut the crypt with the town's
// seal, and only the seal opens it again. Tried without it, they start the
// quest to open them, ringed at the mayor's hall on the town's map.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/SlopeScripts.h"

namespace {

class TScript_500135 : public TScriptObject {
public:
    int32_t OnOpen() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterCryptDoorsOpen) > 0) {
            cmd.PrintParagraph("The doors stand open already. The stairs go down into the dark.");
            return 1;
        }
        if (!PartyHasItem(MayorsSealKind)) {
            Shut();
            return 1;
        }
        cmd.ChangeCounter(CounterCryptDoorsOpen, true);
        cmd.PrintParagraph(SenderProxy.GetName() + " sets the mayor's seal into the socket. It fits as if it had "
                           "been cut for it, and perhaps it was. Something turns under the floor with a grinding of "
                           "old bronze, and the doors sink and swing down. Stairs lead down under the ruin, into the "
                           "crypt the sisters sealed before Cindervale was built.");
        cmd.AddJournalEntry("j_crypt_doors_open", "j_crypt_doors_open.txt");
        if (cmd.GetCounter(CounterDoorsSeen) > 0) {
            cmd.CompleteQuest(QuestSealedDoors);
            ClearQuestGoal(QuestSealedDoors);
            ClearQuestGoalOnMap(SlopesMapPicture, QuestSealedDoors);
        }
        return 1;
    }

private:
    static void Shut()
    {
        TScriptCmd& cmd = Cmd();
        cmd.PrintParagraph("You heave at the doors together, and they do not stir. There is no ring, no keyhole, "
                           "only the round socket with its upward flame. Whatever opens these doors was made to fit "
                           "that socket.");
        if (cmd.GetCounter(CounterDoorsSeen) > 0)
            return;
        cmd.ChangeCounter(CounterDoorsSeen, true);
        cmd.AddQuest(QuestSealedDoors, "j_sealed_doors.txt");
        MarkQuestGoal(QuestSealedDoors, MayorsHallPlace);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500135()
{
    return std::make_unique<TScript_500135>();
}

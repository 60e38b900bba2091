// The Sealed Doors: the sisters' bronze doors in the mountain. They have a
// socket for the Mayor's Seal, and open to it; then the quest of the crypt
// begins.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/CryptScripts.h"

namespace {

class TScript_500218 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        ShowMap(CryptMapPicture, SealedDoorsPlace);
        Cmd().PrintParagraph("In the middle of the doors, where a handle should be, a round socket is sunk into the "
                             "bronze, and around it runs a ring of letters: ~<i>By the town's hand, and no other.~<> "
                             "The socket is the size and shape of the Mayor's Seal.");
        TryTheSeal();
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnMap(CryptMapPicture, SealedDoorsPlace);
        TryTheSeal();
        return -1;
    }

private:
    // The doors open once, to a party carrying the seal.
    static void TryTheSeal()
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterCryptDoorsOpen) > 0)
            return;
        if (!PartyHasItem(MayorsSealTemplate)) {
            cmd.PrintParagraph("The doors do not move for shoulders or for crowbars. Whoever opens them will need the "
                               "Mayor's Seal.");
            return;
        }
        cmd.ChangeCounter(CounterCryptDoorsOpen, true);
        cmd.PrintParagraph("~<c:YELLOW>You press the Mayor's Seal into the socket. It fits as if it had been cut for "
                           "it, and it was. Somewhere inside the bronze a bolt a hundred and forty years old draws "
                           "back, and the doors grind open on a stair going down into ash and dark.");
        cmd.ShowExit(SealedDoors, StairOfAshes, true);
        cmd.AddJournalEntry("j_crypt_doors", "j_crypt_doors.txt");
        cmd.AddQuest(QuestCrypt, "j_crypt.txt");
        MarkQuestGoalOnMap(CryptMapPicture, QuestCrypt, HeartStairPlace);
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500218()
{
    return std::make_unique<TScript_500218>();
}

// Wat Colley, dying in the bunkhouse: he tells where the fourth shift is and
// the way down to it, and dies.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/MineScripts.h"
#include "script/adventure/TownScripts.h"

namespace {

constexpr TSpeaker Wat{"Wat Colley", "#C8B48C"};

class TScript_500171 : public TScriptObject {
public:
    int32_t OnDialog() override
    {
        TScriptCmd& cmd = Cmd();
        if (cmd.GetCounter(CounterDyingMinerSpoke) > 0) {
            cmd.PrintParagraph("Wat Colley is dead.");
            return 1;
        }
        Wat.Say("Mayor's folk? Then listen. Garrick got the shift into the seventh... no, past it. The shored "
                "gallery. We propped it shut. The goblins dig at the props day and night.");
        Wat.Say("He sent me up for help. The lift's dead, so I came up the old shaft, hand over hand on its old rope, "
                "and it broke under me at the top. The winch wants a new one. There's rope on the peg at the chutes. "
                "The goblins caught me there.");
        Wat.Say("Tell my mother...");
        cmd.ChangeCounter(CounterDyingMinerSpoke, true);
        cmd.PrintParagraph("~<c:YELLOW>He does not say what. His eyes stay open on your light, and after a while "
                           "you understand that he is not breathing.");
        cmd.AddJournalEntry("j_dying_miner", "j_dying_miner.txt");
        MarkQuestGoalOnMap(MinesMapPicture, "j_mines", ShoredGalleryPlace);
        return 1;
    }

    int32_t OnExamine() override
    {
        Cmd().PrintParagraph(Cmd().GetCounter(CounterDyingMinerSpoke) > 0
                                 ? "He is dead. Someone should carry him up to Cindervale, when there is time."
                                 : "He has lost a great deal of blood. He has not long.");
        return 1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500171()
{
    return std::make_unique<TScript_500171>();
}

// The market square, with its notice board.
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownMap.h"
#include "script/adventure/StoryFlags.h"

namespace {

class TScript_500103 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        Cmd().PrintParagraph("A handful of stalls still open in the mornings. A crier's voice carries from the far "
                             "side of the square: ~<i>\"Swords wanted! Apply at the Mayor's Hall!\"~<>");
        ShowTownMap();
        return 1;
    }

    int32_t OnEnter() override
    {
        MarkPartyOnTownMap(MarketSquarePlace);
        if (Cmd().GetCounter(CounterMayorHired) == 0)
            Cmd().Print("~<c:#FFEDAD;>A fresh notice flaps on the board by the well.~<>");
        return 1;
    }

    int32_t OnLook() override
    {
        TScriptCmd& cmd = Cmd();
        cmd.Print("~<c:#FFEDAD;b>The notice board~<>");
        if (cmd.GetCounter(CounterMayorHired) == 0)
            cmd.PrintParagraph("~<i>BY ORDER OF THE MAYOR: able swords and sharp wits wanted for work beyond the walls. "
                               "Good pay. Apply at the Hall.~<>");
        else
            cmd.PrintParagraph("Your own names have been added under the mayor's notice, in a clerk's neat hand: "
                               "~<i>ENGAGED.~<>");
        return -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500103()
{
    return std::make_unique<TScript_500103>();
}

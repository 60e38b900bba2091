#include "script/adventure/MineScripts.h"

#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"
#include "script/adventure/StoryFlags.h"

int32_t TDarkTunnelScript::OnEnter()
{
    MarkPartyOnMap(MinesMapPicture, Where.Place);
    if (!PartyCarriesLight())
        Cmd().PrintParagraph(Where.Blind);
    return 1;
}

int32_t TDarkTunnelScript::OnExit(int64_t destination)
{
    if (destination == Where.WayBack || PartyCarriesLight())
        return -1;
    TScriptCmd& cmd = Cmd();
    cmd.Print("");
    cmd.PrintParagraph("It is too dark to proceed. You need some kind of light source.");
    return 0;
}

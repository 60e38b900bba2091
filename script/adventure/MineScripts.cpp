#include "script/adventure/MineScripts.h"

#include "app/MainForm.h"
#include "rules/Creature.h"
#include "script/ScriptCommands.h"
#include "script/ScriptObject.h"
#include "script/adventure/StoryFlags.h"

bool TakeFromParty(int64_t itemId)
{
    TScriptCmd& cmd = Cmd();
    for (int32_t slot = 1; slot <= MaxPartySize; ++slot) {
        TScriptSender holder;
        holder.Object = cmd.PartyMember(slot);
        if (!FindBackpackItem(itemId, dynamic_cast<const TCreature*>(holder.Object)))
            continue;
        holder.TakeItem(itemId);
        return true;
    }
    return false;
}

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

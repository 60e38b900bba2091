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

void EnterDarkTunnel(const TDarkTunnel& tunnel)
{
    MarkPartyOnMap(MinesMapPicture, tunnel.Place);
    if (!PartyCarriesLight())
        Cmd().PrintParagraph(tunnel.Blind);
}

int32_t LeaveDarkTunnel(const TDarkTunnel& tunnel, int64_t destination)
{
    if (destination == tunnel.WayBack || PartyCarriesLight())
        return -1;
    TScriptCmd& cmd = Cmd();
    cmd.Print("");
    cmd.PrintParagraph("It is too dark to proceed. You need some kind of light source.");
    return 0;
}

#include "script/adventure/StoryFlags.h"

#include "script/ScriptCommands.h"

bool PartyCarriesLight()
{
    return PartyHasItem(LanternTemplate) || PartyHasItem(TorchTemplate);
}

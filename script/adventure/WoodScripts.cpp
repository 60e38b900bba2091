#include "script/adventure/WoodScripts.h"

#include "app/MainForm.h"
#include "session/Process.h"
#include "world/Location.h"
#include "world/LocationManager.h"

bool CreatureLivesIn(int64_t locationId, int64_t creatureId)
{
    const auto& form = Process().MainForm;
    if (!form || !form->LocationManager)
        return false;
    const TLocation* place = form->LocationManager->GetLocation(locationId);
    if (!place)
        return false;
    for (const auto& creature : place->Creatures)
        if (creature && creature->Id == creatureId && !creature->IsDead())
            return true;
    return false;
}

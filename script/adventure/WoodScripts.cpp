#include "script/adventure/WoodScripts.h"

#include "app/MainForm.h"
#include "script/ScriptCommands.h"
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

namespace {
constexpr int32_t NightsRest = 1000;
} // namespace

bool QuietNight(int32_t holdsAbove, const std::string& howItPassed)
{
    TScriptCmd& cmd = Cmd();
    if (cmd.RandomRange(1, 100) <= holdsAbove)
        return false;
    cmd.RestParty(NightsRest);
    cmd.PrintParagraph("~<c:LIME>" + howItPassed);
    return true;
}

int64_t DisruptRest(TScriptObject* script)
{
    TScriptCmd& cmd = Cmd();
    cmd.PrintParagraph("~<c:YELLOW>Your rest is disrupted");
    ShowSingleChoice("Continue...", script);
    return PartyLocation();
}

int64_t PartyLocation()
{
    const TVariant here = Cmd().GetVariable("LOC_ID");
    return std::holds_alternative<int64_t>(here) ? std::get<int64_t>(here) : 0;
}

void FightOnEntry(TTownPlace place, const std::string& scene, const std::string& cry, const TMapPicture& map)
{
    MarkPartyOnMap(map, place);
    TScriptCmd& cmd = Cmd();
    cmd.PrintParagraph(scene);
    cmd.PrintParagraph("~<c:YELLOW>" + cry);
    cmd.CheckForCombat();
}

void RestAmbush(int64_t where, int64_t creature, int32_t count, const std::string& arrival)
{
    TScriptCmd& cmd = Cmd();
    cmd.PrintParagraph(arrival);
    cmd.SpawnContent(creature, CreatureKind, 0, count, where);
    cmd.CheckForCombat();
}

void RestAtRisk(TScriptObject* script, const TRiskyRest& rest)
{
    MarkPartyOnMap(*rest.Map, rest.Place);
    if (QuietNight(rest.HoldsAbove, rest.HowItPassed))
        return;
    if (const int64_t here = DisruptRest(script))
        RestAmbush(here, rest.Creature, rest.Count, rest.Arrival);
}

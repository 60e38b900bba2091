// A place with a tripwire: the old watchtower's, tied to its door, and the
// traps the Hollow Flame has laid in the Sunken Crypt. Each springs on the way
// out, unless someone finds it first, and finding it disarms it. What springs
// is a creature that comes after the party into the place it goes to, or a
// volley of darts into every member. The watchtower's wire rings the alarm
// bell and brings a goblin lookout up onto the wall walk.
#include "app/MainForm.h"
#include "script/ScriptCommands.h"
#include "script/adventure/AdventureScripts.h"
#include "script/adventure/TownScripts.h"
#include "script/adventure/WoodScripts.h"

namespace {

constexpr int32_t PiercingDamage = 2;

// One trapped place, by its location: its counter is set once the trap is
// found or has sprung. Finding it takes Find Traps of at least Needed.
struct TTrappedPlace {
    int64_t Location;
    int32_t Needed;
    const char* Counter;
    const char* FirstSight;
    const char* Springs;
    const char* Finding;
    int64_t Creature = 0;
    int32_t Count = 0;
    const char* Volley = nullptr;
};

const TTrappedPlace Places[] = {
    {1006, 2, "watchtower_wire_found",
     "When the door swings to behind you, the draught through the doorway hums on one thin note, as if something "
     "were strung taut across it.",
     "Something snags at your ankle as you step through the doorway. Up under the roof-hatch a bell clangs, once, "
     "twice, wildly. Below the wall a door bangs, and feet come scrabbling up the stonework to the wall walk.",
     "finds a black cord stretched across the threshold at ankle height, tied off to the door and run up through a "
     "crack to a bell under the roof-hatch. Whoever swept this floor wanted to know who left in a hurry. A careful "
     "knife takes care of it.",
     30005, 1},
    {1502, 1, "crypt_stair_stone_found",
     "Halfway down, the ash on one step lies smoother than on the others, as if someone had swept it and sifted it "
     "back.",
     "A step sinks under your boot as you leave the stair. Deep in the wall a chain runs out with a long rattle, "
     "and something heavy and jointed comes clattering down after you.",
     "finds a pressure-stone under the ash of the seventh step, chained to something that waits behind the wall "
     "to be let loose. A wedge under the stone disarms it; nothing will spring now.",
     30051, 1},
    {1511, 1, "crypt_dart_plate_found",
     "The pillars along the way are pierced with little holes at knee height, in rows, like the holes of a flute.",
     "A plate clicks under your feet at the end of the way, and the pillars hiss: darts fly out of the holes at "
     "knee height, and every one of you comes through with a leg full of them.",
     "finds the tread-plate at the end of the way, strung to dart-tubes in the pillars. With the plate wedged and "
     "the tubes stuffed with rags, the trap is disarmed.",
     0, 0, "1d3"},
    {1524, 1, "crypt_well_cord_found",
     "A cord is strung low across the well's lip, grey with dust, and it does not look as old as the dust.",
     "Your foot catches the cord as you go. A basket of bones tips over the lip and rattles down the shaft, and "
     "far below, something answers it and starts to climb.",
     "finds the cord over the well's lip and the basket of bones it would tip down the shaft, to wake what lies "
     "at the bottom. Cut, and the basket lifted down, the trap is disarmed.",
     30050, 2},
};

void Spring(const TTrappedPlace& trap, int64_t destination)
{
    TScriptCmd& cmd = Cmd();
    cmd.PrintParagraph(trap.Springs);
    if (trap.Creature)
        cmd.SpawnContent(trap.Creature, CreatureKind, 0, trap.Count, destination);
    if (!trap.Volley)
        return;
    for (int32_t slot = 1; slot <= MaxPartySize; ++slot) {
        TScriptTarget struck;
        struck.Object = cmd.PartyMember(slot);
        if (struck.Object)
            struck.DamageByText(0, trap.Volley, -1, -1, PiercingDamage);
    }
}

class TScript_500107 : public TScriptObject {
public:
    int32_t OnFirstEnter() override
    {
        if (const TTrappedPlace* trap = PlaceOfParty(Places))
            Cmd().PrintParagraph(trap->FirstSight);
        return 1;
    }

    int32_t OnExit(int64_t destination) override
    {
        TScriptCmd& cmd = Cmd();
        const TTrappedPlace* trap = PlaceOfParty(Places);
        if (!trap || cmd.GetCounter(trap->Counter) > 0)
            return -1;
        cmd.ChangeCounter(trap->Counter, true);
        Spring(*trap, destination);
        return -1;
    }

    int32_t OnFindTraps() override
    {
        const TTrappedPlace* trap = PlaceOfParty(Places);
        return trap && FindTrap(SenderProxy, trap->Counter, trap->Finding, trap->Needed) ? 1 : -1;
    }
};

} // namespace

std::unique_ptr<TScriptObject> MakeScript_500107()
{
    return std::make_unique<TScript_500107>();
}

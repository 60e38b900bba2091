#include "rules/ItemCharges.h"

#include <string>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "rules/Creature.h"
#include "session/Process.h"

bool HoldsSpells(const TItem& item)
{
    return item.type_id == itSpellbook || item.type_id == itSpellScroll;
}

std::string MissingForSpell(const TCreature& caster, const TSpell& spell)
{
    if (caster.mana < spell.req_mana)
        return "MANA";
    if (caster.Abilities[siMindPower - siStrength] < spell.req_mind)
        return "MIND POWER";
    if (caster.Abilities[siFaith - siStrength] < spell.req_faith)
        return "FAITH";
    return {};
}

bool CountCharge(TItem& item)
{
    if (item.ccharges < 1)
        return false;
    if (item.ccharges == 1 && item.destroy_after_use)
        return true;
    --item.ccharges;
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute(std::string("update ") + (dynamic_cast<const TWeapon*>(&item) ? "weapons" : "items") +
                    " set ccharges = ccharges - 1 where id = " + std::to_string(item.Id));
    return false;
}

void DestroyItem(std::unique_ptr<TItem> item)
{
    TForm1* form = Process().MainForm.get();
    if (item && form && form->DataManager)
        form->DataManager->DeleteObject(item);
}

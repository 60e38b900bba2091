#include "rules/Stacks.h"

#include <algorithm>
#include <string>

#include "data/SQLite.h"
#include "rules/Item.h"
#include "rules/ItemCharges.h"
#include "session/Process.h"

namespace {

// Weapon types by their index in WeaponTypes.
enum : int { wtAxe = 0, wtDagger = 4, wtDart = 5, wtHammer = 8, wtSpear = 13, wtArrow = 16, wtBolt = 17, wtBullet = 18 };

void StoreUses(const TWeapon& weapon)
{
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute("update weapons set cweapon_uses = " + std::to_string(weapon.weapon_uses) +
                    " where id = " + std::to_string(weapon.Id));
}

} // namespace

int StackLimit(const TWeapon& weapon)
{
    switch (weapon.WeaponType) {
    case wtArrow:
    case wtBolt:
    case wtBullet:
        return 20;
    case wtDart:
        return 10;
    case wtAxe:
    case wtDagger:
        return 5;
    case wtHammer:
    case wtSpear:
        return 3;
    default:
        return 1;
    }
}

bool IsStackable(const TWeapon& weapon)
{
    switch (weapon.WeaponType) {
    case wtDart:
    case wtArrow:
    case wtBolt:
    case wtBullet:
        return true;
    default:
        return weapon.missile;
    }
}

TStackDrop DropStackOn(std::unique_ptr<TItem>& dragged, TItem& target, bool byTemplate)
{
    auto* source = dynamic_cast<TWeapon*>(dragged.get());
    auto* stack = dynamic_cast<TWeapon*>(&target);
    // A stack dropped on itself would count twice.
    if (!source || !stack || source == stack || !IsStackable(*source))
        return TStackDrop::NotStacks;
    if (byTemplate ? source->TemplateId != stack->TemplateId : source->RealName != stack->RealName)
        return TStackDrop::NotStacks;
    const int limit = StackLimit(*stack);
    const int held = stack->weapon_uses;
    if (held < 0 || held >= limit || source->weapon_uses <= 0)
        return TStackDrop::TargetFull;
    const int total = held + source->weapon_uses;
    stack->weapon_uses = std::min(total, limit);
    StoreUses(*stack);
    stack->Name = ItemDisplayName(stack);
    if (total > limit) {
        source->weapon_uses = total - limit;
        StoreUses(*source);
        source->Name = ItemDisplayName(source);
    } else {
        DestroyItem(std::move(dragged));
    }
    return TStackDrop::Merged;
}

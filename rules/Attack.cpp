// One attack of a creature on another: the weapon it strikes with, the
// ammunition a launcher needs, the roll against the armour of the attack's class,
// the damage, and the pieces a throw or a shot uses up.
#include <algorithm>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/Utils.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/ItemCharges.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

// Launchers and what they fire, by weapon type.
struct TLauncher {
    uint8_t Launcher;
    uint8_t Ammunition;
    const char* Pieces;
};
const TLauncher Launchers[] = {{1, 16, "arrows"}, {3, 17, "bolts"}, {12, 18, "bullets"}};

const TLauncher* LauncherOf(const TWeapon& weapon)
{
    for (const TLauncher& launcher : Launchers)
        if (launcher.Launcher == weapon.WeaponType)
            return &launcher;
    return nullptr;
}

TWeapon* WeaponIn(const std::unique_ptr<TItem>& slot)
{
    return dynamic_cast<TWeapon*>(slot.get());
}

// A party member or a creature of the current location: its death takes it out
// of its place, and the scripts its death runs may even free it.
bool Placed(const TCreature* creature)
{
    const TProcess& process = Process();
    if (process.MainForm && process.MainForm->SlotOf(creature))
        return true;
    const TLocation* here = process.Client ? process.Client->CurrentLocation : nullptr;
    return here && std::any_of(here->Creatures.begin(), here->Creatures.end(),
                               [creature](const auto& living) { return living.get() == creature; });
}

// Whether the target of an attack still stands. A placed target is looked up,
// never read; one standing nowhere (a creature of its own) by its endurance.
class TTargetWatch {
public:
    explicit TTargetWatch(const TCreature& target) : Target(target), WasPlaced(Placed(&target)) {}
    bool Standing() const { return WasPlaced ? Placed(&Target) : Target.end > 0; }

private:
    const TCreature& Target;
    const bool WasPlaced;
};

// Sums up to the largest roll a signed byte holds, never wrapping into a miss.
int32_t RollToHit(const TCreature& attacker)
{
    return static_cast<int32_t>(std::min<int64_t>(DiceTotal(attacker.attack_roll, 6), 127));
}

void UseOnePiece(TWeapon& weapon)
{
    --weapon.weapon_uses;
    if (TSQLite3* db = Process().SessionDb.get())
        db->Execute("update weapons set cweapon_uses = cweapon_uses - 1 where id = " + std::to_string(weapon.Id));
}

void RefreshIfMember(const TCreature* creature)
{
    const TProcess& process = Process();
    if (process.MainForm && process.Client)
        if (const int slot = process.MainForm->SlotOf(creature))
            process.Client->RefreshMemberPanel(slot);
}

// " + 4 = 11", " - 2 = 5", or nothing for a bonus of 0.
std::string BonusText(int32_t roll, int32_t bonus)
{
    if (bonus == 0)
        return {};
    return (bonus > 0 ? " + " : " - ") + std::to_string(bonus > 0 ? bonus : -bonus) + " = " +
           std::to_string(roll + bonus);
}

std::string WithTargetName(std::string message, const std::string& name)
{
    for (size_t at = message.find("??"); at != std::string::npos; at = message.find("??", at + name.size()))
        message.replace(at, 2, name);
    return message;
}

} // namespace

void TCreature::SayRoll(const TCreature&, int32_t roll, int32_t bonus, bool hit, bool natural) const
{
    const char* result = hit ? ":~<c:Lime>HIT" : ":MISSED";
    std::string line = Name + ((natural && !hit) ? " Rolls:" : " Rolls ") + std::to_string(roll);
    if (bonus != 0)
        line += BonusText(roll, bonus);
    else
        line += " ";
    AppendText(line + result);
}

void TEnemy::SayRoll(const TCreature& target, int32_t, int32_t, bool hit, bool) const
{
    AppendText(WithTargetName(hit ? HitMessage : MissMessage, target.Name));
}

bool TCreature::Attack(TCreature* target)
{
    if (!target)
        return false;
    TWeapon* right = WeaponIn(BodySlots[bsRHand]);
    TWeapon* left = WeaponIn(BodySlots[bsLHand]);
    if (right && left && !right->two_handed)
        return AttackWith(Process().Random.Random(2) == 0 ? right : left, *target);
    if (right || left)
        return AttackWith(right ? right : left, *target);
    if (BodySlots[bsRHand] && BodySlots[bsLHand]) {
        AppendText(Name + " cannot attack. No empty hand - No weapon carried.");
        return false;
    }
    return AttackWith(nullptr, *target);
}

bool TPlayer::Attack(TCreature* target)
{
    if (!target)
        return false;
    TWeapon* right = WeaponIn(BodySlots[bsRHand]);
    TWeapon* left = WeaponIn(BodySlots[bsLHand]);
    const bool dual = right && left && !right->two_handed &&
                      2 * SkillValue("Dual Weapon Fighting") >= Process().Random.Random(100) + 1;
    if (!dual)
        return TCreature::Attack(target);
    AppendText(Name + ":Dual Attack");
    const TTargetWatch watch(*target);
    // The right hand strikes first, while the left weapon is out of its slot.
    std::unique_ptr<TItem> held = std::move(BodySlots[bsLHand]);
    const bool hit = TCreature::Attack(target);
    BodySlots[bsLHand] = std::move(held);
    if (!watch.Standing())
        return hit;
    return AttackWith(left, *target);
}

bool TCreature::AttackWith(TWeapon* weapon, TCreature& target)
{
    return weapon ? WeaponAttack(*weapon, target) : NaturalAttack(target);
}

bool TCreature::NaturalAttack(TCreature& target)
{
    const int32_t roll = RollToHit(*this);
    const int kind = NaturalAttackClass < AttackClassCount ? NaturalAttackClass : 0;
    const int32_t bonus = AttackMod[kind];
    const bool hit = bonus + roll >= target.Armor[kind];
    SayRoll(target, roll, bonus, hit, true);
    if (hit) {
        ApplyDamage(&NaturalDamage, &target, DamageMod[kind]);
        RefreshIfMember(this);
    }
    return hit;
}

std::unique_ptr<TItem> TCreature::TakeSpentWeapon(const TWeapon& weapon)
{
    for (int hand : {bsRHand, bsLHand})
        if (BodySlots[hand].get() == &weapon)
            return Unequip(hand);
    return nullptr;
}

bool TCreature::WeaponAttack(TWeapon& weapon, TCreature& target)
{
    TWeapon* ammunition = nullptr;
    int ammunitionSlot = 0;
    if (const TLauncher* launcher = LauncherOf(weapon)) {
        for (int slot = 0; slot < QuickSlotCount && !ammunition; ++slot)
            if (auto* piece = WeaponIn(QuickSlots[slot]); piece && piece->WeaponType == launcher->Ammunition &&
                                                          piece->weapon_uses > 0) {
                ammunition = piece;
                ammunitionSlot = slot;
            }
        if (!ammunition) {
            AppendText("~<c:YELLOW>" + Name + " does not have " + launcher->Pieces + " equipped.");
            return false;
        }
        UseOnePiece(*ammunition);
    }
    if (weapon.weapon_uses > 0)
        UseOnePiece(weapon);
    const int32_t roll = RollToHit(*this);

    const int32_t leftHand = SkillValue("Left Hand Fighting");
    const bool inRightHand = BodySlots[bsRHand].get() == &weapon;
    const int32_t penalty = inRightHand || leftHand < 0 || leftHand > 24 ? 0 : leftHand / 6 - 4;
    // Masteries run 0..15; other weapon types have none.
    const int32_t mastery = weapon.WeaponType < MasteryCount ? Mastery[weapon.WeaponType] : 0;
    const int32_t edge = penalty + (mastery >= 2 ? mastery - 1 : 0);

    const int kind = ammunition || weapon.IsMissile() ? 1 : 0;
    const TWeapon& striking = ammunition ? *ammunition : weapon;
    int32_t bonus = AttackMod[kind] + weapon.Attack[kind] + edge;
    int32_t extra = DamageMod[kind] + weapon.DamageBonus[kind];
    if (ammunition) {
        bonus += ammunition->Attack[kind];
        extra += ammunition->DamageBonus[kind];
    }
    const bool hit = bonus + roll >= target.Armor[kind];
    SayRoll(target, roll, bonus, hit, false);

    // Spent pieces leave their places before the blow lands, whatever the blow
    // sets off; they live until the damage they deal is done.
    std::unique_ptr<TItem> spentAmmunition;
    if (ammunition && ammunition->weapon_uses == 0)
        spentAmmunition = std::move(QuickSlots[ammunitionSlot]);
    std::unique_ptr<TItem> spentWeapon = weapon.weapon_uses == 0 ? TakeSpentWeapon(weapon) : nullptr;
    if (hit) {
        const TTargetWatch watch(target);
        ApplyDamage(striking.Damage.get(), &target, extra);
        for (const auto& more : striking.ExtraDamages)
            if (watch.Standing())
                ApplyDamage(more.get(), &target, 0);
    }
    DestroyItem(std::move(spentAmmunition));
    DestroyItem(std::move(spentWeapon));
    RefreshIfMember(this);
    return hit;
}

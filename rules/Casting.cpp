#include "rules/Casting.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/Utils.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/ItemCharges.h"
#include "rules/UseTargets.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/Location.h"

namespace {

// The use's script, loaded for as long as the use lasts.
class TUseScript {
public:
    explicit TUseScript(int64_t scriptId) : Handle(scriptId > 0 ? LoadScript(scriptId) : -1) {}
    ~TUseScript() { FreeScript(Handle); }
    TUseScript(const TUseScript&) = delete;
    TUseScript& operator=(const TUseScript&) = delete;

    const int Handle;
};

bool Closed()
{
    const TProcess& process = Process();
    return !process.Client || process.Client->SessionClosed;
}

TCreature* FindAgain(const TCreature& creature, int64_t id)
{
    if (MainForm().SlotOf(&creature) != 0)
        return MemberWithId(id);
    return EnemyWithId(id);
}

// Modifiers, the use's script, then its damage with the extra bonus.
void Apply(const TSpecialItem& special, TCreature& user, TCreature& target, int32_t extra, int handle)
{
    const int64_t targetId = target.Id;
    ApplyModifiers(&special, &target);
    TCreature* struck = &target;
    if (handle >= 0) {
        RunScript(handle, seOnExecute, &user, {}, nullptr, &target);
        struck = FindAgain(target, targetId);
    }
    if (struck && special.Damage)
        ApplyDamage(special.Damage.get(), struck, extra);
    if (struck)
        RefreshIfMember(*struck);
}

int AttackClassOf(const TSpecialItem& special)
{
    return std::min<int>(special.AttackClass, AttackClassCount - 1);
}

// The caster's resistance roll against the target's armour of the spell's class.
bool Resists(const TCreature& caster, const TSpell& spell, const TCreature& target)
{
    const int k = AttackClassOf(spell);
    const int64_t roll = DiceTotal(static_cast<int8_t>(caster.attack_roll), 6);
    return roll + caster.AttackMod[k] < target.Armor[k];
}

// An offensive spell on one target: resisted, or applied with the caster's damage bonus.
void CastOn(TCreature& caster, const TSpell& spell, TCreature& target, int handle)
{
    if (Resists(caster, spell, target)) {
        AppendText("~<c:YELLOW>" + target.Name + " resisted spell: " + spell.Name);
        return;
    }
    Apply(spell, caster, target, caster.DamageMod[AttackClassOf(spell)], handle);
}

void StartFightWith(bool targetWasEnemy)
{
    if (targetWasEnemy && !Closed() && !MainForm().InCombat)
        StartCombatIfEnemies();
}

TCreature* RandomOf(const std::vector<int64_t>& ids, bool party)
{
    if (ids.empty())
        return nullptr;
    const int64_t id = ids[Process().Random.Random(static_cast<int>(ids.size()))];
    return party ? MemberWithId(id) : EnemyWithId(id);
}

// A creature's single target: itself, the one given, or one at random of the
// party (offensive uses) or of its own side.
TCreature* CreatureTarget(const TSpecialItem& use, TCreature& creature, TCreature* target)
{
    if (use.apply_to_user)
        return &creature;
    if (target)
        return target;
    return use.offensive ? RandomOf(MemberIds(), true) : RandomOf(EnemyIds(), false);
}

} // namespace

bool UseSpecial(TCreature& user, const TSpecialItem& special, TCreature* target)
{
    const TUseScript script(special.ScriptId);
    if (!special.massive) {
        if (special.apply_to_user)
            target = &user;
        else if (!target)
            target = GameClient().ChooseCreature(true, true, false);
        // The pick waited while the fight went on.
        if (!target || !Present(user))
            return false;
        const bool enemy = IsEnemy(target);
        Apply(special, user, *target, 0, script.Handle);
        if (Closed())
            return true;
        StartFightWith(enemy);
    } else if (special.offensive) {
        ForEach(EnemyIds(), false, [&](TCreature& enemy) { Apply(special, user, enemy, 0, script.Handle); });
        if (!Closed())
            StartCombatIfEnemies();
    } else {
        ForEach(MemberIds(), true, [&](TCreature& member) { Apply(special, user, member, 0, script.Handle); });
    }
    if (!Closed())
        EndTurnOf(user);
    return true;
}

bool Cast(TCreature& caster, const TSpell& spell, TCreature* target)
{
    const TUseScript script(spell.ScriptId);
    if (spell.massive) {
        AppendText(caster.Name + " casts " + spell.Name);
        if (spell.offensive) {
            ForEach(EnemyIds(), false, [&](TCreature& enemy) { CastOn(caster, spell, enemy, script.Handle); });
            if (!Closed())
                StartCombatIfEnemies();
        } else {
            ForEach(MemberIds(), true, [&](TCreature& member) { Apply(spell, caster, member, 0, script.Handle); });
        }
    } else if (spell.apply_to_user) {
        AppendText(caster.Name + " casts " + spell.Name + " on self");
        Apply(spell, caster, caster, 0, script.Handle);
    } else {
        if (!target)
            target = GameClient().ChooseCreature(true, true, false);
        if (!target || !Present(caster))
            return false;
        AppendText(caster.Name + " casts " + spell.Name + " on " + target->Name);
        const bool enemy = IsEnemy(target);
        if (spell.offensive)
            CastOn(caster, spell, *target, script.Handle);
        else
            Apply(spell, caster, *target, 0, script.Handle);
        StartFightWith(enemy);
    }
    if (!Closed())
        EndTurnOf(caster);
    return true;
}

bool CreatureUseSpecial(TCreature& creature, const TSpecialItem& special, TCreature* target)
{
    const TUseScript script(special.ScriptId);
    if (special.massive) {
        const bool party = special.offensive;
        ForEach(party ? MemberIds() : EnemyIds(), party,
                [&](TCreature& struck) { Apply(special, creature, struck, 0, script.Handle); });
        return true;
    }
    target = CreatureTarget(special, creature, target);
    if (!target)
        return false;
    Apply(special, creature, *target, 0, script.Handle);
    return true;
}

bool CreatureCast(TCreature& creature, const TSpell& spell, TCreature* target)
{
    const TUseScript script(spell.ScriptId);
    if (spell.massive) {
        AppendText(creature.Name + " casts " + spell.Name);
        if (spell.offensive)
            ForEach(MemberIds(), true, [&](TCreature& member) { CastOn(creature, spell, member, script.Handle); });
        else
            ForEach(EnemyIds(), false, [&](TCreature& ally) { Apply(spell, creature, ally, 0, script.Handle); });
        return true;
    }
    target = CreatureTarget(spell, creature, target);
    if (!target)
        return false;
    AppendText(creature.Name + " casts " + spell.Name + (target == &creature ? " on self" : " on " + target->Name));
    if (spell.offensive && target != &creature)
        CastOn(creature, spell, *target, script.Handle);
    else
        Apply(spell, creature, *target, 0, script.Handle);
    return true;
}

bool CreatureUseQuickItem(TCreature& creature, int slot, int64_t specialUseId, int64_t targetId)
{
    if (slot < 1 || slot > QuickSlotCount)
        return false;
    TItem* item = creature.QuickSlots[slot - 1].get();
    if (!item || item->SpecialUses.empty())
        return false;
    const std::string itemName = ItemDisplayName(item);
    if (item->ccharges == 0) {
        AppendText(creature.Name + " cannot use " + itemName + " : Out of charges");
        return false;
    }
    if (!creature.CanUse(*item)) {
        AppendText(creature.Name + " cannot use " + itemName);
        return false;
    }
    TSpecialItem* special = item->SpecialUses.front().get();
    if (specialUseId > 0) {
        const auto found = std::find_if(item->SpecialUses.begin(), item->SpecialUses.end(),
                                        [specialUseId](const auto& use) { return use && use->Id == specialUseId; });
        if (found == item->SpecialUses.end())
            return false;
        special = found->get();
    }
    if (!special)
        return false;
    TCreature* target = MemberWithId(targetId);
    if (!target)
        target = EnemyWithId(targetId);
    if (const auto* spell = HoldsSpells(*item) ? dynamic_cast<const TSpell*>(special) : nullptr) {
        if (const std::string lacking = MissingForSpell(creature, *spell); !lacking.empty()) {
            AppendText(creature.Name + " does not have enough " + lacking);
            return false;
        }
        creature.ChangeStat(siMana, -spell->req_mana);
        if (!CreatureCast(creature, *spell, target))
            creature.ChangeStat(siMana, spell->req_mana);
    } else if (!CreatureUseSpecial(creature, *special, target)) {
        return false;
    }
    // The use may have felled the creature; its slots go with it.
    if (creature.QuickSlots[slot - 1].get() == item && CountCharge(*item))
        DestroyItem(creature.TakeFromSlot(slot, 2));
    return true;
}

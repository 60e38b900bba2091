#include "rules/SkillUse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "app/MainForm.h"
#include "data/DataManager.h"
#include "data/Utils.h"
#include "platform/Host.h"
#include "rules/CombatSession.h"
#include "rules/Creature.h"
#include "rules/DamageRules.h"
#include "rules/Effects.h"
#include "rules/ItemCharges.h"
#include "rules/SkillScript.h"
#include "rules/Skills.h"
#include "rules/UseTargets.h"
#include "script/ScriptRegistry.h"
#include "session/GameClient.h"
#include "session/Process.h"
#include "session/StyledText.h"
#include "world/ActionContext.h"
#include "world/Location.h"
#include "world/LocationActions.h"

namespace {

// Whether a use counts: a refused one (a box, a missing fight, a cancelled pick
// that cost nothing) leaves the member's turn as it was.
enum class TUse { Refused, Made };

// Skill effects last 3, 4 or 5 rounds: 42, 56 or 70 ticks.
constexpr int32_t ThreeRounds = 3;
constexpr int32_t FourRounds = 4;
constexpr int32_t FiveRounds = 5;

// The built-in items skills make.
constexpr int64_t HealingPotionId = 100;
constexpr int64_t PoisonedPotionId = 101;
constexpr int64_t BurningOilId = 102;

constexpr int32_t SkillManaCost = 10;

bool Closed()
{
    return GameClient().SessionClosed;
}

void Inform(const std::string& text)
{
    Host().MessageDlg(text, TMsgDlgType::Information, mbOK);
}

int Draw(int n)
{
    return Process().Random.Random(n);
}

// A uniform integer in 0..99 at most the chance.
bool ChanceRoll(int32_t chance)
{
    return Draw(100) <= chance;
}

// At least a uniform integer in 0..value - 1: always, from 1 up. A skill at 0
// has nothing to draw from and fails.
bool BeatsOwnDraw(int32_t value)
{
    return value > 0 && value >= Draw(value);
}

bool InFight()
{
    return MainForm().InCombat && MainForm().CombatSession;
}

// A living creature here or a member, picked by the player; null for none, or
// when the user has left the party or fallen meanwhile.
TCreature* PickTarget(const TPlayer& user)
{
    TCreature* target = GameClient().ChooseCreature(true, true, false);
    return target && Present(user) ? target : nullptr;
}

// The same for the skills of fights: outside one the box says so.
TCreature* PickTargetInFight(const TPlayer& user)
{
    if (InFight())
        return PickTarget(user);
    Inform("In combat only.");
    return nullptr;
}

// A modifier effect on the target for some rounds, undone exactly as made.
void ApplyForRounds(TCreature& target, int32_t rounds, const std::function<void(TModifiers&)>& set)
{
    TSpecialItem changes;
    changes.duration = rounds;
    set(changes);
    ApplyModifiers(&changes, &target);
}

// The same amount for melee and missile.
void MeleeAndMissile(std::array<int32_t, AttackClassCount>& values, int32_t amount)
{
    values[acMelee] = values[acMissile] = amount;
}

// A built-in item for the user: into the first free backpack slot, or onto the
// ground when the backpack is full.
void Make(TPlayer& user, int64_t itemId, const std::string& made, const std::string& dropped)
{
    TDataManager* data = MainForm().DataManager.get();
    if (!data)
        return;
    auto item = std::make_unique<TItem>();
    data->LoadItem(itemId, item.get(), false);
    if (const int slot = user.FirstFreeBackpackSlot(); slot && user.PutInBackpack(item, slot)) {
        AppendText(made);
        RefreshIfMember(user);
        return;
    }
    DropIntoCurrentLocation(std::move(item));
    AppendText(dropped);
}

// Pays the skill's 10 mana, or says that it needs it.
bool PayMana(TPlayer& user, const std::string& refusal)
{
    if (user.mana < SkillManaCost) {
        Inform(refusal);
        return false;
    }
    user.ChangeStat(siMana, -SkillManaCost);
    return true;
}

TUse FindTraps(TPlayer& user)
{
    TLocation* here = GameClient().CurrentLocation;
    if (!here)
        return TUse::Refused;
    const TActor actor{&user, MainForm().SlotOf(&user), here, here->Id};
    std::vector<TItem*> items;
    for (const auto& item : here->Items)
        if (item)
            items.push_back(item.get());
    // Each item's script may move the party or take the others away.
    for (TItem* item : items)
        if (actor.Present() && LiesIn(*here, item))
            RunScriptOnce(seOnFindTraps, &user, {}, item, nullptr, item->ScriptId);
    if (actor.Present())
        RunScriptOnce(seOnFindTraps, &user, {}, nullptr, nullptr, here->ScriptId);
    return TUse::Made;
}

TUse Herbalism(TPlayer& user, int32_t value)
{
    static constexpr int32_t Chances[] = {0, 20, 30, 50, 60, 70, 80};
    const bool healing = ChanceRoll(Chances[Band4(value)]);
    Make(user, healing ? HealingPotionId : PoisonedPotionId, "Healing Potion created",
         "Backpack is full. Healing Potion dropped.");
    return TUse::Made;
}

TUse NeutralizePoison(TPlayer& user, int32_t value)
{
    if (!PayMana(user, "Neutralize poison requires 10 points of mana"))
        return TUse::Refused;
    TCreature* target = PickTarget(user);
    if (!target)
        return TUse::Made;
    static constexpr int32_t Chances[] = {0, 25, 35, 45, 55, 65, 75};
    const int32_t band = Band4(value);
    TEffectsManager* effects = MainForm().EffectsManager.get();
    if (band > 0 && ChanceRoll(Chances[band]) && effects) {
        effects->CancelDamageOfType(target->Id, dtPoison);
        AppendText(target->Name + " cured of poisoning");
    } else {
        AppendText(target->Name + " could not be cured of poisoning");
    }
    return TUse::Made;
}

TUse FirstAid(TPlayer& user, int32_t value)
{
    TCreature* target = PickTargetInFight(user);
    if (!target)
        return TUse::Refused;
    if (ChanceRoll(SkillChance(value))) {
        target->ChangeStat(siEnd, 9);
        AppendText(target->Name + " received first aid");
    } else {
        AppendText(target->Name + " could not receive first aid");
    }
    return TUse::Made;
}

// Below 4 points the knife has no amounts to deal: it deals 0.
DamageRec Knife(int32_t value)
{
    DamageRec knife;
    knife.DamageType = dtPierce;
    const auto amounts = [&knife](TDamageForm form, std::vector<int32_t> values) {
        knife.Form = form;
        knife.Values = std::move(values);
    };
    const auto dice = [&knife](int32_t count) {
        knife.DiceCount = count;
        knife.DieSize = 6;
    };
    switch (Band4(value)) {
    case 0: amounts(dfList, {}); break;
    case 1: amounts(dfList, {1, 2, 2, 3, 3, 4}); break;
    case 2: dice(1); break;
    case 3: amounts(dfRange, {2, 7}); break;
    case 4: amounts(dfRange, {3, 8}); break;
    case 5: amounts(dfRange, {4, 9}); break;
    default: dice(2); break;
    }
    return knife;
}

TUse KnifeThrowing(TPlayer& user, int32_t value)
{
    const std::shared_ptr<TCombatSession> fight = MainForm().CombatSession;
    if (!InFight()) {
        AppendText("In combat only.");
        return TUse::Refused;
    }
    bool& thrown = fight->KnifeThrown[MainForm().SlotOf(&user) - 1];
    if (thrown) {
        Inform("You have already thrown the knife.");
        return TUse::Refused;
    }
    // Thrown even when no target is picked.
    thrown = true;
    if (TCreature* target = PickTarget(user)) {
        const DamageRec knife = Knife(value);
        ApplyDamage(&knife, target, 0);
    }
    return TUse::Made;
}

TUse DestroyWeapon(TPlayer& user, int32_t value)
{
    TCreature* target = PickTargetInFight(user);
    if (!target)
        return TUse::Refused;
    if (!BeatsOwnDraw(value)) {
        AppendText(user.Name + " could not destroy weapon");
    } else if (!dynamic_cast<const TWeapon*>(target->BodySlots[bsRHand].get())) {
        AppendText(target->Name + " does not carry any weapon");
    } else {
        DestroyItem(target->Unequip(bsRHand));
        AppendText("Weapon carrier by " + target->Name + " destroyed");
        RefreshIfMember(*target);
    }
    return TUse::Made;
}

TUse Obliteration(TPlayer& user, int32_t value)
{
    TCreature* target = PickTarget(user);
    if (!target)
        return TUse::Refused;
    const auto cost = static_cast<int32_t>(std::nearbyint(user.mana_max * 0.5));
    if (user.mana < cost) {
        Inform("Obliteration requires mana equal to the 50% of your maximum mana");
        return TUse::Refused;
    }
    user.ChangeStat(siMana, -cost);
    if (BeatsOwnDraw(value)) {
        const std::string name = target->Name;
        target->SetStat(siEnd, 0, true);
        if (!Closed())
            AppendText(name + " was obliterated.");
        return TUse::Made;
    }
    DamageRec backlash;
    backlash.DiceCount = 2;
    backlash.DieSize = 6;
    backlash.DamageType = dtPhysical;
    ApplyDamage(&backlash, &user, 0);
    if (!Closed())
        AppendText("Obliteration failed.");
    return TUse::Made;
}

TUse Alchemy(TPlayer& user, int32_t value)
{
    if (!PayMana(user, "Alchemy requires 10 points of mana"))
        return TUse::Refused;
    if (value < 4 || !ChanceRoll(SkillChance(value))) {
        AppendText("Alchemy failed");
        return TUse::Made;
    }
    if (Draw(2) == 0) {
        TGameClient& client = GameClient();
        client.PartyGold += DiceTotal32(4, 6);
        client.RefreshGoldLabels();
        AppendText("Gold created.");
    } else {
        Make(user, BurningOilId, "Burning Oil created.", "Backpack is full. Burning Oil dropped.");
    }
    return TUse::Made;
}

TUse NegativeEnergy(int32_t value)
{
    const int32_t band = Band6(value);
    if (band == 0)
        return TUse::Made;
    const auto weaken = [band](TCreature& creature) {
        ApplyForRounds(creature, ThreeRounds, [band](TModifiers& m) { MeleeAndMissile(m.Attack, -band); });
    };
    ForEach(EnemyIds(), false, weaken);
    ForEach(MemberIds(), true, [&weaken](TCreature& member) {
        if (!ChanceRoll(30))
            return;
        AppendText(member.Name + " affected by negative energy.");
        weaken(member);
    });
    return TUse::Made;
}

TUse IronBody(TPlayer& user, int32_t value)
{
    const int32_t amount = 3 * Band4(value);
    if (amount == 0)
        return TUse::Made;
    const bool raised = Draw(100) > 20;
    ApplyForRounds(user, ThreeRounds, [&](TModifiers& m) {
        m.Abilities[siConstitution - siStrength] = raised ? amount : -amount;
    });
    AppendText(user.Name + (raised ? " constitution increased by " : " constitution reduced by ") +
               std::to_string(amount));
    return TUse::Made;
}

// The skills that pick a target and change it for a while, when the band allows.
TUse OnPickedTarget(TPlayer& user, int32_t amount, const std::function<void(TCreature&, int32_t)>& act)
{
    TCreature* target = PickTarget(user);
    if (!target)
        return TUse::Refused;
    if (amount > 0)
        act(*target, amount);
    return TUse::Made;
}

TUse UseBuiltIn(TPlayer& user, int skill, int32_t value)
{
    switch (skill) {
    case skFindTraps:
        return FindTraps(user);
    case skRemoveTraps:
        ChooseRemoveTrapsTarget(&user);
        return TUse::Made;
    case skPickLock:
        ChoosePickLockTarget();
        return TUse::Made;
    case skStoneForm:
        if (const int32_t band = Band6(value))
            ApplyForRounds(user, FiveRounds, [band](TModifiers& m) {
                MeleeAndMissile(m.Armor, band);
                MeleeAndMissile(m.Attack, -band);
            });
        return TUse::Made;
    case skHerbalism:
        return Herbalism(user, value);
    case skNeutralizePoison:
        return NeutralizePoison(user, value);
    case skFirstAid:
        return FirstAid(user, value);
    case skSacredShield:
        if (const int32_t band = Band6(value))
            ApplyForRounds(user, ThreeRounds, [band](TModifiers& m) { MeleeAndMissile(m.Armor, band); });
        return TUse::Made;
    case skKnifeThrowing:
        return KnifeThrowing(user, value);
    case skCausePain:
        return OnPickedTarget(user, Band6(value), [](TCreature& target, int32_t band) {
            AppendText(target.Name + " writhes in pain");
            ApplyForRounds(target, ThreeRounds, [band](TModifiers& m) { MeleeAndMissile(m.Attack, -band); });
        });
    case skBattleFury:
        ApplyForRounds(user, ThreeRounds, [value](TModifiers& m) {
            m.DamageBonus[acMelee] = Band4(value);
            m.Attack[acMelee] = Band8(value);
            m.Armor[acMelee] = -Band6(value);
        });
        return TUse::Made;
    case skNegativeEnergy:
        return NegativeEnergy(value);
    case skIronBody:
        return IronBody(user, value);
    case skHeroicPsalm:
        return OnPickedTarget(user, Band6(value), [](TCreature& target, int32_t band) {
            ApplyForRounds(target, FourRounds, [band](TModifiers& m) { MeleeAndMissile(m.DamageBonus, band); });
        });
    case skDestroyWeapon:
        return DestroyWeapon(user, value);
    case skAlchemy:
        return Alchemy(user, value);
    case skMindBlast:
        // Without an amount there is nobody to pick.
        if (Band4(value) == 0)
            return TUse::Made;
        return OnPickedTarget(user, Band4(value), [](TCreature& target, int32_t amount) {
            ApplyForRounds(target, ThreeRounds,
                           [amount](TModifiers& m) { m.Abilities[siMindPower - siStrength] = -amount; });
        });
    case skObliteration:
        return Obliteration(user, value);
    default:
        // Passive skills, and those only the adventure's scripts check.
        return TUse::Refused;
    }
}

// The adventure's own skill runs its script file once; without one it does nothing.
TUse RunOwnSkill(TPlayer& user, std::string file)
{
    if (file.empty())
        return TUse::Refused;
    const int64_t id = HasExtension(file, ".js") ? JavaScriptSkillScriptId : VBScriptSkillScriptId;
    RunScriptOnce(seOnExecute, &user, {}, nullptr, nullptr, id, SkillScriptText(file));
    return TUse::Made;
}

} // namespace

void UseSkill(TPlayer& user, const std::string& skillName)
{
    if (!BookOpen() || Closed() || !MainForm().SlotOf(&user))
        return;
    const std::string name = SkillDisplayName(skillName);
    const auto entry = std::find_if(user.Skills.begin(), user.Skills.end(),
                                    [&name](const SkillEntry& skill) { return skill.skill_name == name; });
    if (entry == user.Skills.end())
        return;
    const int skill = BuiltInSkillIndex(name);
    const TUse use = skill >= 0 ? UseBuiltIn(user, skill, entry->skill_value) : RunOwnSkill(user, entry->skill_script);
    if (use == TUse::Made && !Closed())
        EndTurnOf(user);
}

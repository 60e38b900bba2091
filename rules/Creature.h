// Living beings: party members (TPlayer) and everything else that lives (TEnemy).
// Every statistic changes through ChangeStat, which carries the derived rules.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/Damage.h"
#include "rules/Entity.h"
#include "rules/Item.h"

constexpr int BackpackSlotCount = 15;
constexpr int QuickSlotCount = 3;
constexpr int MasteryCount = 16;

// Stat indexes: 0 end, 1 end_max, 2 mana, 3 mana_max, 4..8 abilities, 9..17 resistances.
enum TStatIndex : int {
    siEnd = 0,
    siEndMax = 1,
    siMana = 2,
    siManaMax = 3,
    siStrength = 4,
    siDexterity = 5,
    siMindPower = 6,
    siFaith = 7,
    siConstitution = 8,
    siFirstResistance = 9,
    siLastResistance = 17,
};

// States: 1 dead, 10 unable to act, 51..255 the adventure's own.
constexpr int StateDead = 1;
constexpr int StateUnableToAct = 10;

struct SkillEntry {
    std::string skill_name;
    int32_t skill_value = 0;
    std::string skill_script;
};

class TCreature : public TEntity {
public:
    TCreature();
    ~TCreature() override;

    int32_t GetStat(int stat) const;
    // With throughChange the value is reached by ChangeStat; otherwise it is stored as is.
    void SetStat(int stat, int32_t value, bool throughChange);
    // Returns the change actually made (0 for current endurance and mana).
    int32_t ChangeStat(int stat, int32_t delta);

    bool IsDead() const { return States.test(StateDead); }

    // Whether this creature may wear or use the item.
    virtual bool CanUse(const TItem& item) const;

    // Slot readers: the item under its display name, or EmptyItem for an empty
    // or invalid slot.
    TItem* BackpackItem(int slot);
    TItem* QuickItem(int slot);
    TItem* BodyItem(int slot);
    // What a body slot holds (the two-handed weapon for both hands), or null.
    const TItem* HeldInBodySlot(int slot) const;
    TItem* HeldInBodySlot(int slot);
    // 1..15, or 0 when the backpack is full.
    int FirstFreeBackpackSlot() const;
    // These take the item over on success and leave it with the caller otherwise
    // (an occupied slot refuses).
    bool PutInBackpack(std::unique_ptr<TItem>& item, int slot);
    bool PutInQuickSlot(std::unique_ptr<TItem>& item, int slot);
    // Stores without checks or modifiers (a loaded player's stats include them).
    void SetBodySlot(std::unique_ptr<TItem> item, int slot);
    // Makes the two-handed weapon in the right hand fill both hands.
    void HoldInBothHands();
    // Area 1 backpack (1..15), 2 quick slots (1..3), 3 body (1..12 for slots 0..11);
    // no modifier bookkeeping.
    std::unique_ptr<TItem> TakeFromSlot(int slot, int area);
    std::unique_ptr<TItem> TakeItemById(int64_t id);
    std::unique_ptr<TItem> TakeItemByName(const std::string& name);
    // Wears the item in a body slot with its modifiers. On success item holds
    // what the slot held before (or nothing). Without askWorn the worn item's
    // removal event is taken as already agreed.
    bool Equip(std::unique_ptr<TItem>& item, int slot, bool askWorn = true);
    std::unique_ptr<TItem> Unequip(int slot);
    std::unique_ptr<TItem> UnequipById(int64_t id);
    // The level of a skill by code (SK_...) or display name; -1 without it.
    int32_t SkillValue(const std::string& codeOrName) const;
    // One attack on target with what the hands hold, or the natural attack when
    // they hold no weapon; true when it hit.
    virtual bool Attack(TCreature* target);

    int32_t end_max = 0;
    int32_t end = 0;
    int32_t mana_max = 0;
    int32_t mana = 0;
    std::array<int32_t, AbilityCount> Abilities{};  // ab_str, ab_dex, ab_mind, ab_faith, ab_const
    std::array<int32_t, DamageTypeCount> Resistances{};
    // Slots own their items; BodySlots[8] is empty while a two-handed weapon in
    // BodySlots[7] fills both hands.
    std::array<std::unique_ptr<TItem>, BackpackSlotCount> Backpack;
    std::array<std::unique_ptr<TItem>, QuickSlotCount> QuickSlots;
    std::array<std::unique_ptr<TItem>, BodySlotCount> BodySlots;
    bool TwoHandedInBothHands = false;
    std::bitset<256> States;
    int32_t level = 0;
    int32_t experience = 0;
    std::array<uint8_t, MasteryCount> Mastery{};
    std::vector<SkillEntry> Skills;
    int32_t attack_roll = 0;
    int32_t delay = 6;
    DamageRec NaturalDamage;
    uint8_t NaturalAttackClass = 0;
    std::array<int32_t, AttackClassCount> AttackMod{};  // mod_atk_melee ... mod_atk_priest
    std::array<int32_t, AttackClassCount> DamageMod{};  // mod_dmg_melee ... mod_dmg_priest
    std::array<int32_t, AttackClassCount> Armor{};  // armor_melee ... armor_priest
    int32_t Gold = 0;

protected:
    // The attack's line: the roll and bonus, hit or missed.
    virtual void SayRoll(const TCreature& target, int32_t roll, int32_t bonus, bool hit, bool natural) const;
    // With a weapon held in a hand, or the natural attack for null.
    bool AttackWith(TWeapon* weapon, TCreature& target);

private:
    bool NaturalAttack(TCreature& target);
    bool WeaponAttack(TWeapon& weapon, TCreature& target);
    // Takes a used-up weapon out of the hand it is held in, without its modifiers.
    std::unique_ptr<TItem> TakeSpentWeapon(const TWeapon& weapon);
    int32_t* StatField(int stat);
    void ChangeMaximum(int32_t& maximum, int32_t& current, int32_t delta);
    void ChangeAbility(int ability, int32_t delta);
    void Wear(const TItem& item, int sign);
    // After an ability change: what the member may no longer hold goes to the backpack.
    void RecheckEquipment();
};

// The permanent record of a character: every lasting change apart from equipment.
struct TBaseRecord {
    int32_t end_max = 0;
    int32_t mana_max = 0;
    std::array<int32_t, AbilityCount> Abilities{};
    std::array<int32_t, DamageTypeCount> Resistances{};
    int32_t attack_roll = 0;
    int32_t delay = 0;
    std::array<int32_t, AttackClassCount> AttackMod{};
    std::array<int32_t, AttackClassCount> DamageMod{};
    std::array<int32_t, AttackClassCount> Armor{};
};

class TPlayer : public TCreature {
public:
    bool CanUse(const TItem& item) const override;
    // A member with a weapon in each hand may strike with both (Dual Weapon Fighting).
    bool Attack(TCreature* target) override;
    // The current statistics in the shape of the permanent record.
    TBaseRecord CurrentRecord() const;

    std::string race_name;
    int32_t next_level = 0;
    uint8_t ClassId = 0;
    bool male = true;
    TBaseRecord Base;
};

class TEnemy : public TCreature {
public:
    int32_t type_id = 0;
    std::string HitMessage;
    std::string MissMessage;

protected:
    void SayRoll(const TCreature& target, int32_t roll, int32_t bonus, bool hit, bool natural) const override;
};

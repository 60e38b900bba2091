// Items, weapons, containers, special uses and spells as the world holds them.
// Ownership runs down: an item owns its special uses, a container its contents,
// a weapon its damages.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/Damage.h"
#include "rules/Modifiers.h"

constexpr int BodySlotCount = 12;
constexpr int QuickUseBit = 12;
constexpr int ClassIdCount = 80;

// Body slots 0..11.
enum TBodySlot : int {
    bsHead, bsNeck, bsTorso, bsForeArms, bsWaist, bsRWrist, bsLWrist, bsRHand, bsLHand, bsRRing, bsLRing, bsFeet,
};

// Built-in item types (1..19; 20 and above are the adventure's own).
enum TItemType : int32_t { itItem = 1, itSpellbook = 2, itSpellScroll = 3, itPotion = 5 };

// A special use: a magic ability of an item, a potion's effect, or a spell's common part.
class TSpecialItem : public TModifiers {
public:
    uint8_t AttackClass = 2;
    bool offensive = false;
    std::unique_ptr<DamageRec> Damage;
    bool apply_to_user = false;
    bool periodic = false;
    // 0: no modifiers applied; < 0 permanent; > 0 timed, in rounds.
    int32_t duration = -1;
    bool massive = false;
};

class TSpell : public TSpecialItem {
public:
    int32_t req_mana = 0;
    int32_t req_mind = 0;
    int32_t req_faith = 0;
    int32_t spell_type_id = 0;
};

class TItem;

// What makes an item a container.
struct TContRec {
    int64_t Id = 0;
    // max_contents places; null is an empty place.
    std::vector<std::unique_ptr<TItem>> Contents;
    int32_t Gold = 0;
    bool Open = false;
    bool Locked = false;
    std::bitset<256> ItemTypes;
    std::bitset<256> WeaponTypes;
};

class TItem : public TModifiers {
public:
    ~TItem() override;

    std::string large_image;
    std::string Action;
    bool stationary = false;
    // 1..19 built in, 20 and above the adventure's own; -1 for weapons and containers.
    int32_t type_id = 1;
    // Bit n = body slot n; bit 12 = usable from a quick slot.
    std::bitset<16> EquipSlots;
    bool used_if_on = true;
    int32_t special_uses = 0;
    std::vector<std::unique_ptr<TSpecialItem>> SpecialUses;
    bool destroy_after_use = false;
    int32_t ccharges = -1;
    int32_t charges = 0;
    int32_t RechargePrice = -1;
    std::bitset<ClassIdCount> UsableBy;
    int32_t req_str = 0;
    int32_t req_dex = 0;
    int32_t req_mind = 0;
    int32_t req_faith = 0;
    int32_t req_const = 0;
    std::unique_ptr<TContRec> Container;
    int32_t base_price = 0;
    bool Identified = true;
    std::string RealName;
    std::string NotIdentifiedName;
};

// Weapon types 0..18 (database type_id - 1).
constexpr int WeaponTypeCount = 19;
struct TWeaponTypeInfo {
    const char* Stem;
    // Counted types show how many pieces a stack holds.
    bool Counted;
    bool Missile;
};
extern const TWeaponTypeInfo WeaponTypes[WeaponTypeCount];

class TWeapon : public TItem {
public:
    TWeapon();

    std::unique_ptr<DamageRec> Damage;
    std::vector<std::unique_ptr<DamageRec>> ExtraDamages;
    uint8_t WeaponType = 0;
    bool two_handed = false;
    bool missile = false;
    // Pieces in a stack of throwing weapons or ammunition; <= 0 not counted.
    int32_t weapon_uses = -1;

    // A missile weapon by its type, or marked so.
    bool IsMissile() const;
};

// The body slots an item template's equipped_on code allows, added to slots.
std::bitset<16> EquipSlotsFromCode(int32_t equippedOn, std::bitset<16> slots = {});

// The name every list, slot and message shows for an item.
std::string ItemDisplayName(const TItem* item);

// The shared placeholder returned for empty slots, named "EMPTY".
TItem& EmptyItem();
